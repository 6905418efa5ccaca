#pragma once
#include "sim/SimObjectStore.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// The PoE port information. The powered devices are those the loaded state
// shows drawing power; a device is powered while its port is up and PoE is
// enabled on it, and the system information sums up what they draw.
class SimPoePorts
{
public:
    static constexpr unsigned portCount = 24;

    explicit SimPoePorts(SimObjectStore &store);

    // Takes the devices (class, power, voltage) from the loaded port information.
    void findDevices();
    // Brings the port and system information up to the ports' link:
    // `linked[port]` for ports 1 to portCount.
    void update(std::span<const bool> linked);

private:
    struct Device
    {
        std::int64_t powerClass;
        std::int64_t milliwatts;
        std::int64_t decivolts;
    };
    void show(unsigned port, const Device &device, const char *status);

    SimObjectStore &m_store;
    std::array<std::optional<Device>, portCount + 1> m_devices;
};
