#pragma once

#include "device/QxCounterRates.h"

#include <QStringList>
#include <optional>

// The rates and the error count the port status window shows for one port,
// from the counters of each status walk: bits per second in and out over the
// last two samples (none until there are two, and none across a counter
// reset), and the input and output errors counted since the first sample.
class QxPortTraffic final
{
public:
    // The port's walk row (PortViewTables::status order), read at atMs of
    // the local clock.
    void take(qint64 atMs, const QStringList &values);

    std::optional<double> inBps() const { return m_inBps; }
    std::optional<double> outBps() const { return m_outBps; }
    // None before the first sample with error counters.
    std::optional<quint64> errorsSinceFirst() const { return m_errors; }

private:
    // What a counter that went back or changed width (cleared, agent
    // restarted) added since the last sample: all it holds now.
    static quint64 added(const std::optional<QxCounterReading> &before, const QxCounterReading &now);

    QxCounterRates m_rates{{QxCounterRates::octetBits(), QxCounterRates::octetBits()}};
    std::optional<double> m_inBps;
    std::optional<double> m_outBps;
    std::optional<QxCounterReading> m_lastIn;
    std::optional<QxCounterReading> m_lastOut;
    std::optional<quint64> m_errors;
};
