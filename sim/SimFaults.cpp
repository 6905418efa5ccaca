#include "sim/SimFaults.h"

#include "sim/SimControl.h"

SimFaults::SimFaults(SimObjectStore &store, std::uint32_t seed)
    : m_store(store), m_random(seed), m_root(SimOid::of(SimControl::root))
{
}

std::int64_t SimFaults::intAt(const char *oid, std::int64_t fallback) const
{
    const SimCell *cell = m_store.find(SimOid::of(oid));
    return cell && cell->value.tag() == SimValue::Integer ? cell->value.asInt() : fallback;
}

bool SimFaults::dropRequest(Clock::time_point now)
{
    if (silent(now))
        return true;
    const std::int64_t percent = intAt(SimControl::dropPercent, 0);
    if (percent <= 0)
        return false;
    return std::uniform_int_distribution<int>(0, 99)(m_random) < percent;
}

int SimFaults::delayMs() const
{
    return static_cast<int>(intAt(SimControl::delayMs, 0));
}

void SimFaults::silenceUntil(Clock::time_point until)
{
    if (until > m_silentUntil)
        m_silentUntil = until;
}

int SimFaults::errorFor(const SimOid &oid, bool write) const
{
    if (oid.startsWith(m_root))
        return 0;
    const SimOid entry = SimOid::of(SimControl::errorEntry);
    const SimOid statusColumn = entry.child(5);
    for (auto *it = m_store.next(statusColumn); it && it->first.startsWith(statusColumn); it = m_store.next(it->first)) {
        if (it->second.value.asInt() != 1)
            continue;
        const SimOid row = it->first.suffix(statusColumn.size());
        const SimCell *prefix = m_store.find(entry.child(2).concat(row));
        const SimCell *status = m_store.find(entry.child(3).concat(row));
        const SimCell *ops = m_store.find(entry.child(4).concat(row));
        if (!prefix || !status || !oid.startsWith(prefix->value.oid()))
            continue;
        const std::int64_t which = ops ? ops->value.asInt() : std::int64_t{SimControl::ErrorsOnAll};
        if ((which == SimControl::ErrorsOnReads && write) || (which == SimControl::ErrorsOnWrites && !write))
            continue;
        return static_cast<int>(status->value.asInt());
    }
    return 0;
}

int SimFaults::nextMode(const SimOid &requested) const
{
    const std::int64_t mode = intAt(SimControl::nextMode, SimControl::NextNormal);
    if (mode == SimControl::NextNormal || requested.startsWith(m_root))
        return SimControl::NextNormal;
    const SimCell *prefix = m_store.find(SimOid::of(SimControl::nextPrefix));
    if (prefix && prefix->value.tag() == SimValue::ObjectId && prefix->value.oid() != SimOid::of("0.0")
        && !requested.startsWith(prefix->value.oid()))
        return SimControl::NextNormal;
    return static_cast<int>(mode);
}

void SimFaults::clear()
{
    m_store.put(SimOid::of(SimControl::dropPercent), SimValue::integer(0));
    m_store.put(SimOid::of(SimControl::delayMs), SimValue::integer(0));
    m_store.put(SimOid::of(SimControl::nextMode), SimValue::integer(SimControl::NextNormal));
    m_store.put(SimOid::of(SimControl::nextPrefix), SimValue::objectId(SimOid::of("0.0")));
    m_store.eraseBelow(SimOid::of(SimControl::errorEntry));
    m_silentUntil = Clock::time_point{};
}
