#include "TestAgents.h"

#include <fstream>
#include <string>

namespace {

int readPort(const char *name)
{
    std::ifstream in(std::string(NX_BIN_DIR "/../test-agents/") + name);
    int port = 0;
    if (!(in >> port) || port <= 0 || port > 65535)
        return 0;
    return port;
}

} // namespace

int simulatorPort()
{
    return readPort("sim.port");
}

int snmpdPort()
{
    return readPort("snmpd.port");
}
