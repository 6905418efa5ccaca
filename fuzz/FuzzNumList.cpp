// Number lists ("1.2.3", "1,5,7") in every element type the module uses.
#include "fuzz/FuzzInput.h"
#include "snmp/QxNumList.h"

namespace {
template <typename T>
void parse(const QString &text, QChar delimiter)
{
    const QxNumList<T> list(text, delimiter);
    FUZZ_CHECK(list.count() == (text.isEmpty() ? 0 : int(text.count(delimiter)) + 1));
    for (int i = 0; i < list.count(); ++i)
        (void)list.indexOf(list[i]);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const quint8 choice = in.byte();
    const QChar delimiter = QChar(char16_t(in.byte()));
    const QString text = in.restText();
    switch (choice % 5) {
    case 0: parse<int>(text, delimiter); break;
    case 1: parse<quint32>(text, delimiter); break;
    case 2: parse<qint64>(text, delimiter); break;
    case 3: parse<quint8>(text, delimiter); break;
    default: parse<double>(text, delimiter); break;
    }
    return 0;
}
