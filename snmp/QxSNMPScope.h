#pragma once

#include <QString>

// SNMPv3 context, put into every PDU.
struct QxSNMPScope
{
    QString contextEngineId;
    QString contextName;
};
