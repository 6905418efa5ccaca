#pragma once

#include "device/QxCounterRates.h"
#include "device/QxRateChart.h"
#include "device/QxRateHistory.h"

#include <QElapsedTimer>
#include <QList>
#include <QWidget>
#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QPushButton;

// A window of live rate charts over counters that something samples: the
// rates of the last ten minutes in one chart or more, the current values in
// each legend, "Pause" (samples are not taken meanwhile; the lines break where
// it paused) and "Export CSV…" of the points. The port traffic window samples
// a port by itself; a counter monitor feeds the counters it reads.
class TRateChartForm : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRateChartForm)
public:
    struct Series
    {
        const char *name;  // as the legend shows it
        const char *unit;  // as the export's header shows it
        QxCounterRates::Series rate;
    };
    struct Chart
    {
        const char *title;
        QxRateChart::Unit unit;
        QList<int> series;
    };

    // A window of its own over the parent (it goes with it).
    TRateChartForm(QWidget *parent, const QString &caption, const QList<Series> &series,
                   std::initializer_list<Chart> charts);
    ~TRateChartForm() override;

    // Counters in the series' order: a point once two samples are in.
    void addSample(QxCounterSample sample);
    // A sample that did not come: a gap.
    void addMissedSample();
    // The counters start anew (another port, counters cleared): measuring
    // starts again from the next sample and the lines break here.
    void restartMeasuring();

    bool paused() const { return m_paused; }
    void setPaused(bool paused);
    // Writes the points as comma-separated values; false when the file cannot
    // be written.
    bool exportCsv(const QString &fileName) const;
    const QxRateHistory &history() const { return m_history; }
    // The status line: what the last sample's read said when it failed.
    QLabel *statusLine() const { return m_status; }

signals:
    void pointAdded(double seconds, const QList<std::optional<double>> &rates);

protected:
    // The row of controls above the charts, for a derived window's own.
    QHBoxLayout *controlRow() const { return m_controls; }
    // The milliseconds since the window opened, the samples' clock.
    qint64 elapsedMs() const { return m_clock.elapsed(); }

private:
    void addPoint(const QList<std::optional<double>> &rates);
    void exportClicked();

    QxRateHistory m_history;
    QxCounterRates m_rates;
    QList<QxRateChart *> m_charts;
    QHBoxLayout *m_controls;
    QPushButton *m_pause;
    QLabel *m_status;
    QElapsedTimer m_clock;
    bool m_paused = false;
};
