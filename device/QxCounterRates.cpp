#include "device/QxCounterRates.h"

namespace {

constexpr quint64 Range32 = quint64(1) << 32;

} // namespace

QxCounterRates::QxCounterRates(QList<Series> series) : m_series(std::move(series)) {}

std::optional<quint64> QxCounterRates::increase(const QxCounterReading &before, const QxCounterReading &after)
{
    if (before.wide != after.wide)
        return std::nullopt;
    if (after.value >= before.value)
        return after.value - before.value;
    if (after.wide)
        return std::nullopt;
    // Back by more than half the range: it passed 2^32 - 1 once. Back by less:
    // the counters were cleared.
    const quint64 wrapped = (Range32 - (before.value & (Range32 - 1))) + (after.value & (Range32 - 1));
    return wrapped < Range32 / 2 ? std::optional<quint64>(wrapped) : std::nullopt;
}

std::optional<double> QxCounterRates::secondsBetween(const QxCounterSample &before, const QxCounterSample &after)
{
    if (before.upTime && after.upTime) {
        if (*after.upTime < *before.upTime)
            return std::nullopt;
        if (*after.upTime > *before.upTime)
            return double(*after.upTime - *before.upTime) / 100.0;
    }
    return double(after.atMs - before.atMs) / 1000.0;
}

std::optional<QxCounterRates::Rates> QxCounterRates::take(const QxCounterSample &sample)
{
    if (sample.missed)
        return gaps();
    if (!m_last) {
        m_last = sample;
        return std::nullopt;
    }
    const std::optional<double> seconds = secondsBetween(*m_last, sample);
    const QxCounterSample before = *m_last;
    m_last = sample;
    if (!seconds)
        return gaps();
    Rates rates = gaps();
    if (*seconds <= 0)
        return rates;
    for (qsizetype i = 0; i < m_series.size(); ++i) {
        if (i >= before.counters.size() || i >= sample.counters.size() || !before.counters[i] || !sample.counters[i])
            continue;
        const std::optional<quint64> delta = increase(*before.counters[i], *sample.counters[i]);
        if (!delta)
            continue;
        const double rate = double(*delta) * m_series[i].scale / *seconds;
        if (m_series[i].ceiling && rate > *m_series[i].ceiling)
            continue;
        rates[i] = rate;
    }
    return rates;
}
