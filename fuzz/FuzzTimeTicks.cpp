// Time ticks typed by the user ("3 days, 4:05:06.07"), and every tick count
// shown and read back unchanged.
#include "fuzz/FuzzInput.h"
#include "snmp/QxTimeTicks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const quint64 ticks = in.number<quint64>();
    FUZZ_CHECK(QxTimeTicks::fromText(QxTimeTicks::toText(ticks)) == ticks);
    const QString text = in.restText();
    const quint64 parsed = QxTimeTicks::fromText(text);
    (void)QxTimeTicks::toText(parsed);
    return 0;
}
