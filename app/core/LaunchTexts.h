#pragma once

#include <QString>

// Text copies of the launch values: the address captions every dialog, and the
// whole set is handed to the host's viewer programs. All start empty.
struct LaunchTexts
{
    QString address;
    QString readCommunity;
    QString writeCommunity;
    QString port;
    QString version;
    QString contextEngineId;
    QString contextName;
    QString securityModel;
    QString securityLevel;
    QString securityName;
    QString authProtocol;
    QString privProtocol;
    QString authPassword;
    QString privPassword;
};
