#include "device/QxPortStatus.h"

#include "device/QxRateChart.h"
#include "snmp/QxHexText.h"
#include "snmp/QxPortList.h"
#include "snmp/QxValueCodec.h"
#include "tables/PortViewTables.h"

namespace {

namespace C = PortViewTables::StatusColumn;

constexpr int OperUp = 1;
constexpr int AdminDown = 2;
constexpr int PoeDisabled = 2;
constexpr int FullDuplex = 3;
constexpr int HalfDuplex = 2;

// A value the agent gave: not empty, not "(NULL)" and not "(NOTDONE)".
std::optional<QString> given(const QStringList &values, int column)
{
    const QString text = values.value(column).trimmed();
    if (text.isEmpty() || text == QxValueCodec::nullText() || text == QxValueCodec::notDoneText())
        return std::nullopt;
    return text;
}

std::optional<int> number(const QStringList &values, int column)
{
    bool ok = false;
    const int n = given(values, column).value_or(QString()).toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

QString nameOf(std::initializer_list<const char *> names, const std::optional<int> &n)
{
    if (!n)
        return QString();
    if (*n >= 1 && *n <= int(names.size()))
        return QString::fromLatin1(names.begin()[*n - 1]);
    return QString::number(*n);
}

} // namespace

QxPortStatus QxPortStatus::fromRow(int port, const QStringList &values)
{
    QxPortStatus s;
    s.port = port;
    s.name = given(values, C::Alias).value_or(given(values, C::Description).value_or(QString()));
    const std::optional<int> admin = number(values, C::AdminStatus);
    const std::optional<int> oper = number(values, C::OperStatus);
    s.admin = nameOf({"enabled", "disabled", "testing"}, admin);
    s.link = nameOf({"up", "down", "testing", "unknown", "dormant", "not present", "lower layer down"}, oper);
    s.state = admin == AdminDown ? State::Disabled : oper == OperUp ? State::Up : State::Down;
    if (s.state == State::Up) {
        const quint64 high = given(values, C::HighSpeed).value_or(QString()).toULongLong();
        s.speedBits = high > 0 ? high * 1000000 : given(values, C::Speed).value_or(QString()).toULongLong();
        QStringList parts;
        if (s.speedBits > 0)
            parts << QxRateChart::formatRate(double(s.speedBits), QxRateChart::Unit::BitsPerSecond);
        const std::optional<int> duplex = number(values, C::Duplex);
        if (duplex == FullDuplex)
            parts << QStringLiteral("full");
        else if (duplex == HalfDuplex)
            parts << QStringLiteral("half");
        s.speed = parts.join(QLatin1Char(' '));
    }
    s.pvid = given(values, C::Pvid).value_or(QString());
    const std::optional<int> poeState = number(values, C::PoeState);
    if (poeState == PoeDisabled)
        s.poe = QStringLiteral("disabled");
    else if (poeState)
        s.poe = given(values, C::PoeStatus).value_or(QStringLiteral("enabled"));
    // A port that powers nothing draws nothing worth a figure.
    if (const auto milliwatts = given(values, C::PoePower); milliwatts && poeState && milliwatts->toDouble() > 0)
        s.poeWatts = milliwatts->toDouble() / 1000.0;
    return s;
}

void QxPortStatus::takeVlans(const QList<int> &vlanIds, const QStringList &egress)
{
    vlans.clear();
    for (qsizetype i = 0; i < vlanIds.size(); ++i)
        if (QxPortList::has(QxHexText::toOctets(egress.value(i)), port - 1))
            vlans << vlanIds[i];
}

QString QxPortStatus::vlanText() const
{
    return QxPortList::rangesText(vlans);
}

QString QxPortStatus::powerText() const
{
    return poeWatts ? QStringLiteral("%1 W").arg(*poeWatts, 0, 'f', 1) : QString();
}
