#pragma once

#include "app/core/LaunchTexts.h"
#include "snmp/QxSNMPDevice.h"
#include "snmp/QxSNMPScope.h"
#include "snmp/QxSNMPSecurity.h"

// What the launch parameters and the device's settings file decide: the session
// records that every request copies, and their text copies.
struct LaunchState
{
    QxSNMPDevice device;
    QxSNMPScope scope;
    QxSNMPSecurity security;
    LaunchTexts texts;
    // Instances one GETBULK of a table walk asks for (defaultMaxRepetitions).
    int maxRepetitions = -1;

    // The switches from /t on are examined only for an SNMPv3 launch.
    bool isSnmpV3() const { return texts.version == QLatin1String("3") || security.version == 3; }
};
