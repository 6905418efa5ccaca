#include "device/QxRateHistory.h"

#include <utility>

QxRateHistory::QxRateHistory(QStringList seriesNames, QStringList units)
    : m_names(std::move(seriesNames)), m_units(std::move(units))
{
}

void QxRateHistory::add(double seconds, const QDateTime &at, QList<std::optional<double>> rates)
{
    rates.resize(m_names.size());
    m_points.push_back({seconds, at, std::move(rates)});
    while (!m_points.empty() && m_points.front().seconds < seconds - KeptSeconds)
        m_points.pop_front();
}

std::optional<double> QxRateHistory::latest(int series) const
{
    for (auto it = m_points.rbegin(); it != m_points.rend(); ++it)
        if (series < it->rates.size() && it->rates[series])
            return it->rates[series];
    return std::nullopt;
}

std::optional<double> QxRateHistory::current(int series) const
{
    if (m_points.empty() || series >= m_points.back().rates.size())
        return std::nullopt;
    return m_points.back().rates[series];
}

QString QxRateHistory::toCsv() const
{
    const auto field = [](QString text) {
        if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')))
            text = QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
        return text;
    };
    QString out = QStringLiteral("Time,Seconds");
    for (qsizetype i = 0; i < m_names.size(); ++i)
        out += QLatin1Char(',') + field(m_units.value(i).isEmpty() ? m_names[i]
                                                                 : m_names[i] + QStringLiteral(" (") + m_units[i] + QLatin1Char(')'));
    out += QLatin1Char('\n');
    for (const Point &p : m_points) {
        out += p.at.toString(Qt::ISODate) + QLatin1Char(',') + QString::number(p.seconds, 'f', 2);
        for (const std::optional<double> &rate : p.rates)
            out += QLatin1Char(',') + (rate ? QString::number(*rate, 'f', 2) : QString());
        out += QLatin1Char('\n');
    }
    return out;
}
