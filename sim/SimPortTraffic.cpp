#include "sim/SimPortTraffic.h"

#include <algorithm>

namespace {

constexpr unsigned faultyPort = 13;

double loadBetween(const SimLoadCurve &curve, double from, double to)
{
    return curve.cumulative(to) - curve.cumulative(from);
}

} // namespace

double SimPortTraffic::Loads::of(SimFlow flow) const
{
    switch (flow) {
    case SimFlow::Received:
        return received;
    case SimFlow::Sent:
        return sent;
    case SimFlow::InErrors:
        return inErrors;
    case SimFlow::OutDiscards:
        return outDiscards;
    case SimFlow::Both:
        break;
    }
    return (received + sent) / 2;
}

SimPortTraffic::SimPortTraffic()
{
    for (unsigned port = 1; port <= lastPort; ++port) {
        // Ports differ in how busy they are on average, by a third either way.
        const double average = (2 + port % 3) / 3.0;
        // Offsets and periods per port and direction keep the ports, and the
        // two directions of one port, out of step.
        Curves &curves = m_ports[port];
        if (port % 3 == 2) {
            curves.received = SimLoadCurve::bursty(average, 0.3, 4, 17.0 * port);
            curves.sent = SimLoadCurve::bursty(average, 0.3, 3, 17.0 * port + 70);
        } else {
            curves.received = SimLoadCurve::steady(average, 60, 7.0 * port);
            curves.sent = SimLoadCurve::steady(average, 80, 11.0 * port);
        }
    }
    // A port with a poor cable: now and then a few frames come in damaged and
    // a few go out dropped.
    m_ports[faultyPort].inErrors = SimLoadCurve::bursty(1.0 / 12, 0, 2, 40);
    m_ports[faultyPort].outDiscards = SimLoadCurve::bursty(1.0 / 20, 0, 2, 100);
}

SimPortTraffic::Loads SimPortTraffic::loads(unsigned port, double from, double to, double ceiling) const
{
    if (port > lastPort)
        return {};
    const Curves &curves = m_ports[port];
    const double most = ceiling * (to - from);
    return {std::min(loadBetween(curves.received, from, to), most), std::min(loadBetween(curves.sent, from, to), most),
            loadBetween(curves.inErrors, from, to), loadBetween(curves.outDiscards, from, to)};
}
