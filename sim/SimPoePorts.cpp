#include "sim/SimPoePorts.h"

#include <algorithm>

namespace {

const char portState[] = "E.12.24.3.1.1.2"; // disabled (2), enabled (3)
const char portInfo[] = "E.12.24.4.1.1";    // class, mW, decivolts, mA, status by column
const char powerBudget[] = "E.12.24.1.1.0";  // watts
const char consumption[] = "E.12.24.2.1.0";  // mW
const char remaining[] = "E.12.24.2.2.0";    // mW

constexpr std::int64_t stateDisabled = 2;
constexpr std::int64_t stateEnabled = 3;

SimValue gauge(std::int64_t value)
{
    return SimValue::unsignedOf(SimValue::Gauge32, static_cast<std::uint64_t>(std::max<std::int64_t>(value, 0)));
}

} // namespace

SimPoePorts::SimPoePorts(SimObjectStore &store)
    : m_store(store)
{
}

void SimPoePorts::findDevices()
{
    const SimOid info = SimOid::of(portInfo);
    for (unsigned port = 1; port <= portCount; ++port) {
        const Device device{m_store.intAt(info.child(2).child(port), 0), m_store.intAt(info.child(3).child(port), 0),
                            m_store.intAt(info.child(4).child(port), 0)};
        m_devices[port].reset();
        if (device.milliwatts > 0 && device.decivolts > 0)
            m_devices[port] = device;
    }
}

void SimPoePorts::update(std::span<const bool> linked)
{
    const SimOid state = SimOid::of(portState);
    std::int64_t drawn = 0;
    for (unsigned port = 1; port <= portCount && port < linked.size(); ++port) {
        const bool enabled = m_store.intAt(state.child(port), stateEnabled) != stateDisabled;
        if (m_devices[port] && enabled && linked[port]) {
            show(port, *m_devices[port], "Delivering Power");
            drawn += m_devices[port]->milliwatts;
        } else {
            show(port, Device{0, 0, 0}, enabled ? "Searching" : "Disabled");
        }
    }
    const std::int64_t budget = m_store.intAt(SimOid::of(powerBudget), 0) * 1000;
    if (SimCell *cell = m_store.find(SimOid::of(consumption)))
        cell->value = gauge(drawn);
    if (SimCell *cell = m_store.find(SimOid::of(remaining)))
        cell->value = gauge(budget - drawn);
}

void SimPoePorts::show(unsigned port, const Device &device, const char *status)
{
    const SimOid info = SimOid::of(portInfo);
    // The current follows from power and voltage: mA = mW / V.
    const std::int64_t milliamperes =
        device.decivolts ? (device.milliwatts * 10 + device.decivolts / 2) / device.decivolts : 0;
    const SimValue values[] = {SimValue::integer(device.powerClass), gauge(device.milliwatts), gauge(device.decivolts),
                               gauge(milliamperes), SimValue::octets(SimValue::OctetString, status)};
    for (unsigned column = 2; column <= 6; ++column)
        if (SimCell *cell = m_store.find(info.child(column).child(port)))
            cell->value = values[column - 2];
}
