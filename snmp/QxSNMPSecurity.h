#pragma once

#include <QString>

// Version and credentials of a request. Numbering follows the SNMP library:
// version 0 = SNMPv1, 1 = SNMPv2c, 3 = SNMPv3; model 1 = v1, 2 = v2c, 3 = USM;
// level 1 = noAuthNoPriv, 2 = authNoPriv, 3 = authPriv; auth 1 = none,
// 2 = HMAC-MD5-96, 3 = HMAC-SHA-96, 4 to 7 = HMAC-SHA-224 to HMAC-SHA-512;
// priv 1 = none, 2 = CBC-DES, 3 to 5 = CFB-AES-128 to CFB-AES-256.
struct QxSNMPSecurity
{
    enum Version : quint8 { V1 = 0, V2c = 1, V3 = 3 };
    enum Level { NoAuthNoPriv = 1, AuthNoPriv = 2, AuthPriv = 3 };
    enum AuthProtocol { AuthNone = 1, AuthMD5 = 2, AuthSHA = 3, AuthSHA224, AuthSHA256, AuthSHA384, AuthSHA512 };
    enum PrivProtocol { PrivNone = 1, PrivDES = 2, PrivAES128, PrivAES192, PrivAES256 };

    quint8 version = V1;
    QString readCommunity = QStringLiteral("vqmtze");
    QString writeCommunity = QStringLiteral("kdrwopl");
    int securityModel = 1;
    int securityLevel = NoAuthNoPriv;
    QString securityName;
    QString authPassword;
    QString privPassword;
    int authProtocol = AuthNone;
    int privProtocol = PrivNone;
};
