#pragma once

#include <QString>

// A port in stack form: a global port number is (unit - 1) * 64 + port. This
// module knows one unit, unit 1, an NX-2400P with 28 ports.
struct StackPort
{
    static constexpr int PortsPerUnit = 64;

    int unit = 0;
    int port = 0;

    static int global(int unit, int port) { return (unit - 1) * PortsPerUnit + port; }
    // A multiple of 64 is the last port of the unit below it (port 64), 0 is
    // unit 0 port 0; any other number belongs to the unit above g div 64.
    static StackPort fromGlobal(int global);

    // The one unit of the module.
    static constexpr int unitNumber = 1;
    static constexpr int unitPorts = 28;
    static QString unitModel() { return QStringLiteral("NX-2400P"); }
};
