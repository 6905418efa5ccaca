#pragma once

#include <QtGlobal>

// The agents every test run starts (CTest fixtures, tests/sim/agents.sh): the
// switch simulator nx2400p-sim and net-snmp's snmpd, each on its own free
// loopback UDP port. Both know the same communities and SNMPv3 users.

// The UDP port of the shared simulator / snmpd, or 0 when it is not running.
// Tests must not change the shared simulator's state in ways other tests see
// (port states, fault injection); such tests start a private simulator.
int simulatorPort();
int snmpdPort();

namespace TestAgents {

inline constexpr char host[] = "127.0.0.1";
inline constexpr char readCommunity[] = "vqmtze";
inline constexpr char writeCommunity[] = "kdrwopl";

// SNMPv3 users (read-write at every security level they support).
inline constexpr char md5User[] = "nxmd5"; // HMAC-MD5 + DES
inline constexpr char md5AuthPassword[] = "nxmd5auth1";
inline constexpr char md5PrivPassword[] = "nxmd5priv1";
inline constexpr char shaUser[] = "nxsha"; // HMAC-SHA + DES
inline constexpr char shaAuthPassword[] = "nxshaauth1";
inline constexpr char shaPrivPassword[] = "nxshapriv1";
inline constexpr char sha256User[] = "nxsha256"; // HMAC-SHA-256 + AES-128
inline constexpr char sha256AuthPassword[] = "nxsha256auth";
inline constexpr char sha256PrivPassword[] = "nxsha256priv";
inline constexpr char sha512User[] = "nxsha512"; // HMAC-SHA-512 + AES-256
inline constexpr char sha512AuthPassword[] = "nxsha512auth";
inline constexpr char sha512PrivPassword[] = "nxsha512priv";
inline constexpr char authOnlyUser[] = "nxauth"; // HMAC-MD5, no privacy
inline constexpr char authOnlyPassword[] = "nxauthonly1";
inline constexpr char noAuthUser[] = "nxnone"; // no authentication

// A UDP socket bound to the loopback address on `port` (0: a free one the
// system picks), or -1 when the port is taken. The caller closes it.
int bindLoopbackUdp(quint16 port = 0);
// The loopback port a socket from bindLoopbackUdp is bound to.
quint16 boundPort(int socket);
// A loopback UDP port that was free when asked. Another process may take it
// before the caller binds it, so whoever starts an agent on it tries again.
quint16 freeUdpPort();
// Something on this machine has bound the loopback port.
bool portInUse(quint16 port);

} // namespace TestAgents
