#pragma once

#include "snmp/QxSNMPDevice.h"
#include "snmp/QxSNMPScope.h"
#include "snmp/QxSNMPSecurity.h"

#include <optional>

class QxSNMPRequest;

// One switch and how to talk to it, for a tool that talks to several at once:
// what a request takes instead of the process defaults it copies.
struct SnmpAgent
{
    QxSNMPDevice device;
    QxSNMPScope scope;
    QxSNMPSecurity security;
    std::optional<int> timeout; // hundredths of a second; unset: the default
    std::optional<int> retries;
    std::optional<int> maxRepetitions;

    // The process defaults' switch.
    static SnmpAgent defaults();
    void applyTo(QxSNMPRequest &request) const;
};
