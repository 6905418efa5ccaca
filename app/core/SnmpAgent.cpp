#include "app/core/SnmpAgent.h"

#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

SnmpAgent SnmpAgent::defaults()
{
    SnmpAgent agent;
    agent.device = defaultDevice;
    agent.scope = defaultScope;
    agent.security = defaultSecurity;
    return agent;
}

void SnmpAgent::applyTo(QxSNMPRequest &request) const
{
    request.device = device;
    request.scope = scope;
    request.security = security;
    if (timeout)
        request.timeout = *timeout;
    if (retries)
        request.retries = *retries;
    if (maxRepetitions)
        request.maxRepetitions = *maxRepetitions;
}
