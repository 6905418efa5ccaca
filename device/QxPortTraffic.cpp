#include "device/QxPortTraffic.h"

#include "device/QxPortRead.h"
#include "tables/PortViewTables.h"

namespace {

namespace C = PortViewTables::StatusColumn;

} // namespace

quint64 QxPortTraffic::added(const std::optional<QxCounterReading> &before, const QxCounterReading &now)
{
    if (!before)
        return 0;
    return QxCounterRates::increase(*before, now).value_or(now.value);
}

void QxPortTraffic::take(qint64 atMs, const QStringList &values)
{
    QxCounterSample sample;
    sample.atMs = atMs;
    sample.counters = {QxPortRead::counter(values, C::HCInOctets, C::InOctets),
                       QxPortRead::counter(values, C::HCOutOctets, C::OutOctets)};
    if (const std::optional<QxCounterRates::Rates> rates = m_rates.take(sample)) {
        m_inBps = rates->value(0);
        m_outBps = rates->value(1);
    }
    const std::optional<QxCounterReading> in = QxPortRead::counter(values, -1, C::InErrors);
    const std::optional<QxCounterReading> out = QxPortRead::counter(values, -1, C::OutErrors);
    if (!in && !out)
        return;
    quint64 errors = m_errors.value_or(0);
    if (in)
        errors += added(m_lastIn, *in);
    if (out)
        errors += added(m_lastOut, *out);
    m_errors = errors;
    m_lastIn = in;
    m_lastOut = out;
}
