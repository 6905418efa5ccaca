#pragma once

#include "device/TRateChartForm.h"

#include <QTimer>

class QCloseEvent;
class QComboBox;
class QxPortRead;
struct QxSNMPError;

// The live traffic of one port: input and output bits per second from its
// octet counters, errors and discards per second, sampled every 2, 5, 10 or
// 30 seconds with one small asynchronous read. A sample the agent does not
// answer is a gap, and so is a counter reset.
class TPortTrafficForm final : public TRateChartForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPortTrafficForm)
public:
    // Series in the order of the points' rates.
    enum Series : int { In, Out, InErrors, OutErrors, InDiscards, OutDiscards, SeriesCount };
    static constexpr int IntervalsMs[] = {2000, 5000, 10000, 30000};

    // A window over the parent; the first sample is taken at once.
    TPortTrafficForm(QWidget *parent, int port);
    ~TPortTrafficForm() override;

    int port() const { return m_port; }
    int intervalMs() const { return m_timer.interval(); }
    void setIntervalMs(int ms);
    // No more samples; the read on its way ends on its own. Closing several
    // windows stops them all first, so that they wait out a silent agent
    // together, not one after the other.
    void stopSampling();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void sample();
    void readDone(const QStringList &values, const QxSNMPError &error);

    int m_port;
    std::unique_ptr<QxPortRead> m_read;
    QComboBox *m_interval;
    QTimer m_timer;
    bool m_closing = false;
};
