#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QxRateHistory;

// A chart of some series of a rate history, drawn in code as the front panel
// is: time left to right (the last minute, widening with the history up to the
// ten minutes kept), the rates bottom to top on a scale that fits the largest,
// axes with their units (bit/s, kbit/s, Mbit/s, Gbit/s for traffic), a title,
// and a legend with every series' current value. A gap in a series breaks its
// line.
class QxRateChart final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxRateChart)
public:
    enum class Unit { BitsPerSecond, PerSecond };

    QxRateChart(const QxRateHistory &history, QList<int> series, Unit unit, const QString &title,
                QWidget *parent = nullptr);

    // "0 bit/s", "417 kbit/s", "1.25 Mbit/s"; "0/s", "3.5/s", "12.4 k/s".
    static QString formatRate(double value, Unit unit);
    // The top of a scale that holds `largest`: 1, 2, 2.5 or 5 times a power of ten.
    static double scaleTop(double largest, Unit unit);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor colorOf(int index) const;

    const QxRateHistory &m_history;
    QList<int> m_series;
    Unit m_unit;
    QString m_title;
};
