// A snapshot file: any bytes. A document that is read writes out as text that
// reads back as the same document, and writes out the same again.
#include "app/core/ConfigSnapshot.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    QString why;
    const std::optional<ConfigSnapshot> snapshot = ConfigSnapshot::fromJson(text, &why);
    if (!snapshot) {
        FUZZ_CHECK(!why.isEmpty());
        return 0;
    }
    const QByteArray written = snapshot->toJson();
    const std::optional<ConfigSnapshot> again = ConfigSnapshot::fromJson(written);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->sameConfiguration(*snapshot));
    FUZZ_CHECK(again->toJson() == written);
    return 0;
}
