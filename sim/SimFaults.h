#pragma once
#include "sim/SimObjectStore.h"

#include <chrono>
#include <cstdint>
#include <random>

// Fault injection. The settings live in the store (the control subtree), so
// they can be changed over SNMP while the agent runs; this class reads them
// and keeps what cannot live there (the random generator, the silent period).
class SimFaults
{
public:
    using Clock = std::chrono::steady_clock;

    SimFaults(SimObjectStore &store, std::uint32_t seed);

    // Whether an incoming request is to be ignored (silent period or drop share).
    bool dropRequest(Clock::time_point now);
    int delayMs() const;
    void silenceUntil(Clock::time_point until);
    bool silent(Clock::time_point now) const { return now < m_silentUntil; }

    // The error status configured for this instance (0: none).
    int errorFor(const SimOid &oid, bool write) const;
    // How a GET-NEXT from `requested` is to be answered (SimControl::NextMode).
    int nextMode(const SimOid &requested) const;
    // How a GETBULK is met (SimControl::BulkMode); counts it.
    int bulkMode();
    // The value to send for `instance` in a reply (SimControl::ValueMode): the
    // stored one, one of another type, or an octet string far over its size.
    SimValue replyValue(const SimOid &instance, const SimValue &stored) const;

    // Every fault back to its default: no drops, no delay, no errors, normal GET-NEXT.
    void clear();

private:
    std::int64_t intAt(const char *oid, std::int64_t fallback) const;
    // Whether the prefix object at `prefixOid` (0.0: everything) covers `instance`.
    bool covers(const char *prefixOid, const SimOid &instance) const;

    SimObjectStore &m_store;
    std::mt19937 m_random;
    Clock::time_point m_silentUntil{};
    SimOid m_root;
};
