#include "app/cli/CliLedDecoder.h"

#include "tables/TPanelLedColorMaps.h"

#include <array>

namespace {

constexpr int HeaderBytes = 4;
constexpr int Ports = 28;
constexpr int ComboFirst = 25;
constexpr quint8 NoData = 1;

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

QString colourName(int colour)
{
    using M = TPanelLedColorMaps;
    switch (colour) {
    case M::Green:
        return QStringLiteral("green");
    case M::Blue:
        return QStringLiteral("blue");
    case M::Red:
        return QStringLiteral("red");
    case M::Orange:
        return QStringLiteral("orange");
    case M::Black:
        return QStringLiteral("black");
    default:
        return QStringLiteral("#%1").arg(colour, 6, 16, QLatin1Char('0'));
    }
}

CliLedDecoder::Led lit(const QString &name, const QxSNMPLedColorMapList &map, quint8 state, quint8 colour)
{
    return {name, colourName(map.colorOf(colour & map.valueMask())), (state & map.blinkMask()) != 0};
}

} // namespace

QList<CliLedDecoder::Led> CliLedDecoder::decode(const QByteArray &status)
{
    QList<Led> leds;
    const QxSNMPLedColorMapList &system = TPanelLedColorMaps::system();
    for (const SystemLed &s : SystemLeds) {
        const QString name = QString::fromLatin1(s.name);
        if (s.byte < status.size())
            leds.append(lit(name, system, at(status, s.byte), at(status, s.byte)));
        else
            leds.append({name, colourName(system.noDataColor()), false});
    }
    for (int port = 1; port <= Ports; ++port) {
        const QxSNMPLedColorMapList &map = port >= ComboFirst ? TPanelLedColorMaps::comboPort() : TPanelLedColorMaps::port();
        const QString name = QStringLiteral("Port %1").arg(port);
        const int state = HeaderBytes + 2 * (port - 1);
        // A pair cut off by the end of the string has no colour byte to read: no data.
        if (state + 1 < status.size() && at(status, state) != NoData)
            leds.append(lit(name, map, at(status, state), at(status, state + 1)));
        else
            leds.append({name, colourName(map.noDataColor()), false});
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
