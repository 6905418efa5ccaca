// Bit-map values the switch sends (hexadecimal texts of any length) shown as
// names, and names typed back into a bit map.
#include "binding/QxBitMapNames.h"
#include "fuzz/FuzzInput.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static constexpr QxBitMapNames::Names names{"other",  "repeater",  "bridge",            "wlanAccessPoint",
                                                "router", "telephone", "docsisCableDevice", nullptr};
    FuzzInput in(data, size);
    const QString text = in.restText();
    const QString shown = QxBitMapNames::decode(text, names);
    // One blank, then at most the seven names.
    FUZZ_CHECK(shown.startsWith(QLatin1Char(' ')));
    FUZZ_CHECK(shown.mid(1).split(QLatin1Char(','), Qt::SkipEmptyParts).size() <= 7);
    // The names shown encode to an octet that decodes to the same names.
    const QString octet = QxBitMapNames::encode(shown, names);
    bool ok = false;
    FUZZ_CHECK(octet.toUInt(&ok, 16) <= 0xFF && ok);
    FUZZ_CHECK(QxBitMapNames::decode(octet.size() == 1 ? QLatin1Char('0') + octet : octet, names) == shown);
    const QString typed = QxBitMapNames::encode(text, names);
    FUZZ_CHECK(typed.toUInt(&ok, 16) <= 0xFF && ok);
    return 0;
}
