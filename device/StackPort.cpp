#include "device/StackPort.h"

StackPort StackPort::fromGlobal(int global)
{
    StackPort p;
    const int rest = global % PortsPerUnit;
    if (rest == 0) {
        p.unit = global / PortsPerUnit;
        p.port = global == 0 ? 0 : PortsPerUnit;
    } else {
        p.unit = global / PortsPerUnit + 1;
        p.port = rest;
    }
    return p;
}
