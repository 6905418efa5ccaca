#include "device/QxPortState.h"

#include "tables/PortViewTables.h"

namespace C = PortViewTables::StateColumn;

namespace {

quint64 number(const QStringList &values, int column)
{
    return column < values.size() ? values.at(column).toULongLong() : 0;
}

} // namespace

QxPortState QxPortState::fromValues(const QStringList &values)
{
    QxPortState s;
    const quint64 admin = number(values, C::AdminStatus);
    const quint64 oper = number(values, C::OperStatus);
    if (admin == 2)
        s.link = Link::Disabled;
    else if (oper == 1)
        s.link = Link::Up;
    else if (oper >= 2)
        s.link = Link::Down;
    if (s.link == Link::Up) {
        const quint64 high = number(values, C::HighSpeed);
        s.speedMbps = high > 0 ? high : number(values, C::Speed) / 1000000;
        const quint64 duplex = number(values, C::Duplex);
        s.duplex = duplex == 3 ? QStringLiteral("full") : duplex == 2 ? QStringLiteral("half") : QString();
    }
    s.poeDelivering = C::PoeStatus < values.size()
                      && values.at(C::PoeStatus).contains(QLatin1String("Delivering"), Qt::CaseInsensitive);
    return s;
}

QString QxPortState::text() const
{
    QString out;
    switch (link) {
    case Link::Unknown:
        out = QStringLiteral("unknown");
        break;
    case Link::Down:
        out = QStringLiteral("down");
        break;
    case Link::Disabled:
        out = QStringLiteral("disabled");
        break;
    case Link::Up:
        out = QStringLiteral("up");
        if (speedMbps > 0)
            out += speedMbps >= 1000 && speedMbps % 1000 == 0 ? QStringLiteral(" %1G").arg(speedMbps / 1000)
                                                              : QStringLiteral(" %1M").arg(speedMbps);
        if (!duplex.isEmpty())
            out += QLatin1Char(' ') + duplex;
        break;
    }
    if (poeDelivering)
        out += QStringLiteral(", PoE");
    if (errors)
        out += QStringLiteral(", errors");
    return out;
}
