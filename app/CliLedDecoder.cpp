#include "app/CliLedDecoder.h"

#include <array>

namespace {

constexpr int HeaderBytes = 4;
constexpr int Ports = 28;
constexpr int ComboFirst = 25;
constexpr unsigned ValueMask = 0x07;
constexpr unsigned BlinkMask = 0x80;
constexpr unsigned NoData = 1;

using ColourMap = std::array<const char *, 8>;
// Masked values 6 and 7 are listed by no map: black.
constexpr ColourMap SystemLedColorMap{"black", "black", "green", "green", "blue", "red", "black", "black"};
constexpr ColourMap PortLedColorMap{"orange", "orange", "green", "green", "green", "red", "black", "black"};
constexpr ColourMap ComboPortLedColorMap{"black", "orange", "orange", "green", "green", "red", "black", "black"};

struct SystemLed
{
    const char *name;
    int byte;
};
// In the order the front panel registers them.
constexpr std::array<SystemLed, 4> SystemLeds{{{"Power", 2}, {"Console", 3}, {"Act", 0}, {"PoE", 1}}};

quint8 at(const QByteArray &bytes, int i)
{
    return quint8(bytes.at(i));
}

} // namespace

QList<CliLedDecoder::Led> CliLedDecoder::decode(const QByteArray &status)
{
    QList<Led> leds;
    for (const SystemLed &s : SystemLeds) {
        Led led{QString::fromLatin1(s.name), QStringLiteral("black"), false};
        if (s.byte < status.size()) {
            const quint8 b = at(status, s.byte);
            led.colour = QString::fromLatin1(SystemLedColorMap[b & ValueMask]);
            led.blinking = (b & BlinkMask) != 0;
        }
        leds.append(led);
    }
    for (int port = 1; port <= Ports; ++port) {
        Led led{QStringLiteral("Port %1").arg(port), QStringLiteral("black"), false};
        const int state = HeaderBytes + 2 * (port - 1);
        // A pair cut off by the end of the string has no colour byte to read: no data.
        if (state + 1 < status.size() && at(status, state) != NoData) {
            const ColourMap &map = port >= ComboFirst ? ComboPortLedColorMap : PortLedColorMap;
            led.colour = QString::fromLatin1(map[at(status, state + 1) & ValueMask]);
            led.blinking = (at(status, state) & BlinkMask) != 0;
        }
        leds.append(led);
    }
    return leds;
}

QString CliLedDecoder::lines(const QList<Led> &leds)
{
    QString out;
    for (const Led &led : leds)
        out += led.name + QLatin1Char('\t') + led.colour + QLatin1Char('\t')
               + (led.blinking ? QStringLiteral("blinking") : QStringLiteral("steady")) + QLatin1Char('\n');
    return out;
}
