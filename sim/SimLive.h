#pragma once
#include "sim/SimObjectDef.h"
#include "sim/SimObjectStore.h"
#include "sim/SimPoePorts.h"
#include "sim/SimPortTraffic.h"
#include "sim/SimSetTransaction.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

// Keeps the values that change by themselves: sysUpTime ticks, counters grow
// on ports with link as their traffic goes, link, LED and PoE state follow
// the ports' admin state, the VLAN current table follows the static table
// (creation times, deletions). Also carries out the triggers.
class SimLive
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr unsigned portCount = 28;
    static constexpr unsigned cpuInterface = 29;
    static constexpr std::chrono::milliseconds GrowthStep{10};

    struct Action
    {
        SimAction action;
        std::int64_t value;
        SimOid instance; // what the trigger was written to
    };

    explicit SimLive(SimObjectStore &store);

    // Takes the cable state from the loaded ifOperStatus values and derives
    // every live value once.
    void start(Clock::time_point now);
    // Brings uptime and counters up to `now`.
    void refresh(Clock::time_point now);
    // After a committed SET: follow-up changes in the store, plus the actions
    // that need the agent (save, reboot, silence, clearing faults).
    std::vector<Action> afterCommit(const std::vector<SimSetTransaction::Binding> &bindings);
    // Restarts sysUpTime at `now` (a reboot).
    void restartClock(Clock::time_point now);
    // Adds n learnt entries to the 802.1Q forwarding database of VLAN 1.
    void fillForwardingDatabase(unsigned n);

    bool portLinked(unsigned port) const;

private:
    struct Counter
    {
        SimOid oid;
        unsigned growth;
        SimFlow flow;
        unsigned port;
        double uncounted = 0; // the fraction of a unit grown but not yet shown
        // Where its value lives: stays valid until instances come or go,
        // which changes the store's generation and collects the counters anew.
        SimCell *cell = nullptr;
    };
    void collectCounters();
    double loadCeiling(unsigned port) const;
    void updateLinks();
    void updateLedString();
    void updateVlanCurrent();
    void updatePingResults(const std::vector<SimSetTransaction::Binding> &bindings);
    void clearCounters();
    void deleteLearntAddress();
    bool adminUp(unsigned port) const;

    SimObjectStore &m_store;
    Clock::time_point m_start;
    Clock::time_point m_grown;
    std::array<bool, portCount + 1> m_cable{};
    std::array<bool, portCount + 1> m_linked{};
    bool m_linksKnown = false;
    bool m_vlansKnown = false;
    std::vector<Counter> m_counters;
    // The largest growth of a port's one-way counters: that of its octets.
    std::array<unsigned, cpuInterface + 1> m_octetGrowth{};
    unsigned m_countersGeneration = ~0u;
    SimOid m_sysUpTime;
    SimOid m_devUpTime;
    SimOid m_ledStatus;
    SimOid m_portsInUse;
    const SimPortTraffic m_traffic;
    SimPoePorts m_poe;
};
