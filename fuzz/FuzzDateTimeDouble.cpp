// The date-time double (days since 1899-12-30): typed texts, octets from replies,
// and any double, NaN and infinities included.
#include "fuzz/FuzzInput.h"
#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxSNMPException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const double days = in.number<double>();
    (void)QxDateTimeDouble::toText(days);
    (void)QxDateTimeDouble::toDateTime(days);
    double back = 0;
    FUZZ_CHECK(QxDateTimeDouble::fromOctets(QxDateTimeDouble::toOctets(days), back));
    const QByteArray bytes = in.restBytes();
    double wire = 0;
    if (QxDateTimeDouble::fromOctets(bytes, wire))
        (void)QxDateTimeDouble::toText(wire);
    try {
        const double typed = QxDateTimeDouble::fromText(QString::fromUtf8(bytes));
        (void)QxDateTimeDouble::toText(typed);
        (void)QxDateTimeDouble::fromDateTime(QxDateTimeDouble::toDateTime(typed));
    } catch (const QxSNMPException &) {
        // A text that is no date is refused with the framework's bad-value error.
    }
    return 0;
}
