#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

// What a rate chart shows: named series of rates per second, point after
// point, for the last ten minutes. A point without a rate for a series (a
// missed sample, a counter reset) is a gap in that series.
class QxRateHistory final
{
public:
    static constexpr double KeptSeconds = 600;

    struct Point
    {
        double seconds = 0; // since the history began
        QDateTime at;       // local wall-clock time, for the export
        QList<std::optional<double>> rates;
    };

    // Names as the legend shows them ("In"), and the units the export's header
    // gives them ("bit/s": "In (bit/s)").
    QxRateHistory(QStringList seriesNames, QStringList units);

    const QStringList &seriesNames() const { return m_names; }
    const std::deque<Point> &points() const { return m_points; }
    bool isEmpty() const { return m_points.empty(); }
    // The newest point's time, or 0.
    double lastSeconds() const { return m_points.empty() ? 0 : m_points.back().seconds; }

    // Adds a point (rates in the series' order) and drops what is older than
    // ten minutes before it.
    void add(double seconds, const QDateTime &at, QList<std::optional<double>> rates);
    // The newest rate of a series that is not a gap, if any in the history.
    std::optional<double> latest(int series) const;
    // The series' rate at the newest point: none when that point is a gap
    // (the switch did not answer), so that it is not shown as current.
    std::optional<double> current(int series) const;

    // Comma-separated values: a header, then one line per point with its
    // local time (ISO 8601), its seconds and a rate per series; a gap is an
    // empty field.
    QString toCsv() const;

private:
    QStringList m_names;
    QStringList m_units;
    std::deque<Point> m_points;
};
