#pragma once

#include <QString>

// The agent that requests talk to.
struct QxSNMPDevice
{
    QString address = QStringLiteral("127.0.0.1"); // dotted IPv4 address or host name
    quint16 port = 161;
};
