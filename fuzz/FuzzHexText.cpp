// Hex text as users type it and as replies carry it: any text converts, and
// every octet string survives the way out and back.
#include "fuzz/FuzzInput.h"
#include "snmp/QxHexText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QByteArray bytes = in.restBytes();
    const QString text = QString::fromUtf8(bytes);
    const QByteArray octets = QxHexText::toOctets(text);
    FUZZ_CHECK(octets.size() <= text.size() / 2 + 1);
    FUZZ_CHECK(QxHexText::toOctets(QxHexText::fromOctets(bytes)) == bytes);
    return 0;
}
