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
    return covers(SimControl::nextPrefix, requested) ? static_cast<int>(mode) : int{SimControl::NextNormal};
}

bool SimFaults::covers(const char *prefixOid, const SimOid &instance) const
{
    const SimCell *prefix = m_store.find(SimOid::of(prefixOid));
    return !(prefix && prefix->value.tag() == SimValue::ObjectId && prefix->value.oid() != SimOid::of("0.0")
             && !instance.startsWith(prefix->value.oid()));
}

SimValue SimFaults::replyValue(const SimOid &instance, const SimValue &stored) const
{
    const std::int64_t mode = intAt(SimControl::valueMode, SimControl::ValuesAsStored);
    if (mode == SimControl::ValuesAsStored || instance.startsWith(m_root) || !covers(SimControl::valuePrefix, instance))
        return stored;
    // Far beyond a DisplayString's 255 octets, yet small enough for one datagram
    // with a few columns of a row.
    constexpr std::size_t OverlongOctets = 4000;
    if (mode == SimControl::ValuesOverlong) {
        if (stored.tag() != SimValue::OctetString)
            return stored;
        std::string bytes = stored.bytes().empty() ? std::string("x") : stored.bytes();
        while (bytes.size() < OverlongOctets)
            bytes += bytes;
        bytes.resize(OverlongOctets);
        return SimValue::octets(SimValue::OctetString, std::move(bytes));
    }
    // Numbers come as text, texts and addresses as numbers, identifiers as addresses.
    switch (stored.tag()) {
    case SimValue::OctetString:
    case SimValue::Opaque:
        return SimValue::unsignedOf(SimValue::Gauge32, stored.bytes().size());
    case SimValue::IpAddress:
        return SimValue::integer(-1);
    case SimValue::ObjectId:
        return SimValue::octets(SimValue::IpAddress, std::string("\x7f\0\0\1", 4));
    case SimValue::Null:
        return SimValue::integer(0);
    default:
        return SimValue::octets(SimValue::OctetString, "not a number: " + stored.toRecord());
    }
}

int SimFaults::bulkMode()
{
    if (SimCell *count = m_store.find(SimOid::of(SimControl::bulkCount)))
        count->value.grow(1);
    return static_cast<int>(intAt(SimControl::bulkMode, SimControl::BulkAnswered));
}

void SimFaults::clear()
{
    m_store.put(SimOid::of(SimControl::dropPercent), SimValue::integer(0));
    m_store.put(SimOid::of(SimControl::delayMs), SimValue::integer(0));
    m_store.put(SimOid::of(SimControl::nextMode), SimValue::integer(SimControl::NextNormal));
    m_store.put(SimOid::of(SimControl::nextPrefix), SimValue::objectId(SimOid::of("0.0")));
    m_store.eraseBelow(SimOid::of(SimControl::errorEntry));
    m_store.put(SimOid::of(SimControl::valueMode), SimValue::integer(SimControl::ValuesAsStored));
    m_store.put(SimOid::of(SimControl::valuePrefix), SimValue::objectId(SimOid::of("0.0")));
    m_store.put(SimOid::of(SimControl::bulkMode), SimValue::integer(SimControl::BulkAnswered));
    m_silentUntil = Clock::time_point{};
}
