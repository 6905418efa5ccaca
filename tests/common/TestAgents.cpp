#include "TestAgents.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

namespace TestAgents {

int bindLoopbackUdp(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

quint16 boundPort(int socket)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

quint16 freeUdpPort()
{
    const int fd = bindLoopbackUdp();
    if (fd < 0)
        return 0;
    const quint16 port = boundPort(fd);
    ::close(fd);
    return port;
}

bool portInUse(quint16 port)
{
    const int fd = bindLoopbackUdp(port);
    if (fd < 0)
        return true;
    ::close(fd);
    return false;
}

} // namespace TestAgents
