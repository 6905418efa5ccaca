#pragma once

#include <QString>

#include <span>

// The SNMPv3 user-based security protocols the module offers, by the numbers
// the launch switches /a and /p give them (the settings file counts from 0).
struct QxUsmProtocol
{
    int number;
    const char *name;
};

namespace QxUsmProtocols {

// 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256, 6 SHA-384, 7 SHA-512.
std::span<const QxUsmProtocol> authentication();
// 1 none, 2 DES, 3 AES-128, 4 AES-192, 5 AES-256.
std::span<const QxUsmProtocol> privacy();
// Null for a number outside the list.
const QxUsmProtocol *authenticationOf(int number);
const QxUsmProtocol *privacyOf(int number);
// One line naming what the linked SNMP library offers, for --version and About.
QString offered();

} // namespace QxUsmProtocols
