// DateAndTime: texts typed by the user and octet strings from replies of any length.
#include "fuzz/FuzzInput.h"
#include "snmp/QxDateTime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QByteArray bytes = in.restBytes();
    QxDateTime fromWire;
    if (fromWire.setOctets(bytes)) {
        const QString text = fromWire.toText();
        FUZZ_CHECK(fromWire.toOctets().size() == QxDateTime::WireSize);
        (void)QxDateTime::fromText(text).toOctets();
    }
    const QxDateTime typed = QxDateTime::fromText(QString::fromUtf8(bytes));
    FUZZ_CHECK(typed.toOctets().size() == QxDateTime::WireSize);
    (void)typed.toText();
    return 0;
}
