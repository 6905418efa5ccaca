#pragma once

#include <QList>
#include <optional>

// One counter as an agent reported it: a 64-bit counter (ifHCInOctets) or a
// 32-bit one, which wraps to 0 after 2^32 - 1 (ifInOctets; all SNMPv1 has).
struct QxCounterReading
{
    quint64 value = 0;
    bool wide = false;
};

// One reading of a set of counters, as a sampler took it.
struct QxCounterSample
{
    qint64 atMs = 0;                // local monotonic time
    std::optional<quint32> upTime;  // the agent's sysUpTime (hundredths), when it came with the counters
    // One per counter, in the series' order; none where the agent had none.
    QList<std::optional<QxCounterReading>> counters;
    bool missed = false;            // the read failed: nothing came
};

// Turns a stream of counter samples into rates per second, one per series.
//
// A rate is the counter's increase since the last good sample over the time
// between them: the agent's own time (sysUpTime) where both samples carry it,
// else the local time. A 32-bit counter that went back by more than half its
// range has wrapped and is corrected; one that went back less, a 64-bit one
// that went back, a counter that changed width, and a rate above its series'
// ceiling are a counter reset: no rate (a gap), never a spike. An agent whose
// sysUpTime went back has restarted: every series has a gap. A missed sample
// is a gap of its own; the next good one is measured from the last good one.
class QxCounterRates final
{
public:
    struct Series
    {
        double scale = 1.0;             // 8 turns octets into bits
        std::optional<double> ceiling;  // scaled: the most the port can carry
    };
    using Rates = QList<std::optional<double>>;

    // Octet counters as bits per second: more than the fastest port of the
    // switch carries is a reset.
    static constexpr double FastestPortBits = 1e9;
    static Series octetBits() { return {8.0, FastestPortBits}; }

    explicit QxCounterRates(QList<Series> series);

    // The rates the sample gives. None for the first good sample (or the first
    // after restart()), which only starts the measuring; all gaps for a missed
    // sample or a restarted agent.
    std::optional<Rates> take(const QxCounterSample &sample);
    // Forgets the last sample: the next one starts the measuring again.
    void restart() { m_last.reset(); }

    int seriesCount() const { return int(m_series.size()); }
    // The increase of one counter, or none for a reset (see above).
    static std::optional<quint64> increase(const QxCounterReading &before, const QxCounterReading &after);

private:
    Rates gaps() const { return Rates(m_series.size()); }
    // Seconds between two good samples, or none when the agent restarted.
    static std::optional<double> secondsBetween(const QxCounterSample &before, const QxCounterSample &after);

    QList<Series> m_series;
    std::optional<QxCounterSample> m_last;
};
