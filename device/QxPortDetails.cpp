#include "device/QxPortDetails.h"

#include "device/QxRateChart.h"
#include "snmp/QxHexText.h"
#include "snmp/QxPortList.h"
#include "snmp/QxValueCodec.h"
#include "tables/PortViewTables.h"

namespace {

namespace D = PortViewTables::DetailColumn;

// A value the agent gave: not empty and not "(NULL)".
std::optional<QString> given(const QStringList &values, int column)
{
    const QString text = values.value(column).trimmed();
    if (text.isEmpty() || text == QxValueCodec::nullText())
        return std::nullopt;
    return text;
}

QString nameOf(const char *const names[], int count, const QString &number)
{
    bool ok = false;
    const int n = number.toInt(&ok);
    return ok && n >= 1 && n <= count ? QString::fromLatin1(names[n - 1]) : number;
}

bool memberOf(const QString &hexList, int port)
{
    const QByteArray octets = QxHexText::toOctets(hexList);
    return port >= 1 && (port - 1) / 8 < octets.size() && QxPortList::bit(octets, port - 1);
}

QString vlanList(const QList<int> &vlans)
{
    QStringList ids;
    for (int id : vlans)
        ids << QString::number(id);
    if (ids.isEmpty())
        return QStringLiteral("none");
    return (ids.size() == 1 ? QStringLiteral("VLAN ") : QStringLiteral("VLANs ")) + ids.join(QStringLiteral(", "));
}

} // namespace

QxPortDetails QxPortDetails::fromValues(int port, const QStringList &values)
{
    static const char *const operStatus[] = {"up", "down", "testing", "unknown", "dormant", "not present",
                                             "lower layer down"};
    static const char *const duplexStatus[] = {"unknown duplex", "half duplex", "full duplex"};
    static const char *const poeState[] = {"", "disabled", "enabled"};

    QxPortDetails d;
    d.port = port;
    d.name = given(values, D::Alias).value_or(given(values, D::Description).value_or(QString()));
    static const char *const adminStatus[] = {"enabled", "disabled", "testing"};
    if (const auto status = given(values, D::AdminStatus))
        d.admin = nameOf(adminStatus, int(std::size(adminStatus)), *status);
    if (const auto status = given(values, D::OperStatus))
        d.link = nameOf(operStatus, int(std::size(operStatus)), *status);
    const quint64 highSpeed = given(values, D::HighSpeed).value_or(QString()).toULongLong();
    const quint64 speed = highSpeed > 0 ? highSpeed * 1000000 : given(values, D::Speed).value_or(QString()).toULongLong();
    if (speed > 0)
        d.speed = QxRateChart::formatRate(double(speed), QxRateChart::Unit::BitsPerSecond);
    if (const auto duplex = given(values, D::Duplex))
        d.duplex = nameOf(duplexStatus, int(std::size(duplexStatus)), *duplex);
    d.pvid = given(values, D::Pvid).value_or(QString());

    QStringList poe;
    if (const auto state = given(values, D::PoeState))
        poe << nameOf(poeState, int(std::size(poeState)), *state);
    if (const auto status = given(values, D::PoeStatus))
        poe << *status;
    if (const auto power = given(values, D::PoePower))
        poe << QStringLiteral("%1 W").arg(power->toDouble() / 1000.0, 0, 'f', 1);
    d.poe = poe.join(QStringLiteral(", "));
    return d;
}

void QxPortDetails::takeVlans(const QList<int> &vlanIds, const QStringList &egress, const QStringList &untagged)
{
    untaggedVlans.clear();
    taggedVlans.clear();
    for (qsizetype i = 0; i < vlanIds.size(); ++i) {
        if (!memberOf(egress.value(i), port))
            continue;
        (memberOf(untagged.value(i), port) ? untaggedVlans : taggedVlans) << vlanIds[i];
    }
}

QString QxPortDetails::toolTip() const
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    QStringList lines;
    QString head = QStringLiteral("<b>Port %1</b>").arg(port);
    if (!name.isEmpty())
        head += QStringLiteral(" &ndash; ") + escaped(name);
    lines << head;
    if (!error.isEmpty()) {
        lines << escaped(error);
    } else if (reading) {
        lines << QStringLiteral("Reading…");
    } else {
        if (!admin.isEmpty())
            lines << escaped(QStringLiteral("Administrative state: ") + admin);
        QStringList link = {QStringLiteral("Link: ") + (this->link.isEmpty() ? QStringLiteral("unknown") : this->link)};
        // Speed and duplex are what a link runs at: a port without one has none.
        if (this->link == QLatin1String("up")) {
            if (!speed.isEmpty())
                link << speed;
            if (!duplex.isEmpty())
                link << duplex;
        }
        lines << escaped(link.join(QStringLiteral(", ")));
        lines << escaped(QStringLiteral("PVID: %1; untagged in %2; tagged in %3")
                             .arg(pvid.isEmpty() ? QStringLiteral("-") : pvid, vlanList(untaggedVlans),
                                  vlanList(taggedVlans)));
        if (!poe.isEmpty())
            lines << escaped(QStringLiteral("PoE: ") + poe);
        if (!neighbour.isEmpty())
            lines << escaped(QStringLiteral("LLDP neighbour: ") + neighbour);
        const auto rate = [](const std::optional<double> &bps) {
            return bps ? QxRateChart::formatRate(*bps, QxRateChart::Unit::BitsPerSecond) : QStringLiteral("…");
        };
        lines << escaped(QStringLiteral("In: %1, out: %2").arg(rate(inBps), rate(outBps)));
    }
    return QStringLiteral("<qt>") + lines.join(QStringLiteral("<br>")) + QStringLiteral("</qt>");
}
