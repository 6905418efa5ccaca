// Summer-time points as the switch sends them (any text), decoded and written back.
#include "binding/QxSummerTimePoint.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QString text = in.restText();
    for (auto layout : {QxSummerTimePoint::Layout::Repeating, QxSummerTimePoint::Layout::Annual}) {
        const auto point = QxSummerTimePoint::decode(text, layout);
        if (!point)
            continue;
        // Only a text of the layout's length decodes, and a valid point
        // encodes back to that text (upper-case).
        FUZZ_CHECK(text.size() == (layout == QxSummerTimePoint::Layout::Repeating ? 12 : 8));
        if (point->valid(layout))
            FUZZ_CHECK(point->encode(layout) == text.toUpper());
    }
    return 0;
}
