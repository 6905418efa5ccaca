#pragma once
#include "sim/SimLoadCurve.h"
#include "sim/SimObjectDef.h"

#include <array>

// The traffic on each port (and the CPU interface): the load curve that its
// received and sent frames, and its faults, follow. Every third port (2, 5,
// 8, ...) works in bursts, the others steadily; port 13 also has a few
// receive errors and send discards a minute.
class SimPortTraffic
{
public:
    static constexpr unsigned lastPort = 29;

    // How many seconds' worth of their average growth a port's counters gain
    // over a stretch of time, one figure for each kind of traffic.
    struct Loads
    {
        double received = 0;
        double sent = 0;
        double inErrors = 0;
        double outDiscards = 0;

        double of(SimFlow flow) const;
    };

    SimPortTraffic();

    // The loads of `port` from `from` to `to` (seconds since the simulator
    // started), each direction held to `ceiling`, the load at which the
    // port's octets would reach its speed.
    Loads loads(unsigned port, double from, double to, double ceiling) const;

private:
    struct Curves
    {
        SimLoadCurve received;
        SimLoadCurve sent;
        SimLoadCurve inErrors;
        SimLoadCurve outDiscards;
    };
    std::array<Curves, lastPort + 1> m_ports;
};
