#pragma once

#include "snmp/QxSNMPScope.h"
#include "snmp/QxSNMPSecurity.h"

#include <QByteArray>
#include <QString>

// The agent and credentials of one exchange, rebuilt for every exchange.
struct QxSNMPTarget
{
    quint32 ipv4 = 0;     // resolved agent address, host order
    quint16 port = 161;
    QString address;      // the address as the request gave it
    QxSNMPSecurity security;
    QxSNMPScope scope;
    int timeout = 100;    // hundredths of a second
    int retries = 1;
    QByteArray engineId;  // SNMPv3: the agent's engine ID

    // "a.b.c.d:port" of the resolved address.
    QString agentKey() const;
};
