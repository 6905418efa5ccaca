#pragma once

#include "snmp/QxSNMPBinding.h"

#include <QList>
#include <QString>

// The outcome of one exchange: a library status (0, an SNMP error status 1..18
// or a library code, see QxNetSnmpStatus) and the returned bindings.
struct QxSNMPReply
{
    int status = 0;
    int errorIndex = 0;
    QList<QxSNMPBinding> bindings;
    QString agentAddress;
    quint16 agentPort = 0;
};
