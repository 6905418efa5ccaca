// Security: IEEE 802.1X port access (PAE MIB) and the vendor's
// authentication, RADIUS, AAC, SSH, safeguard, IP-MAC binding and DoS
// prevention groups below E.12.
#include "sim/SimMib.h"

using namespace SimMib::notation;

namespace {

#define PAE "1.0.8802.1.1.1.1"

const SimObjectDef objects[] = {
    // 802.1X: system control, PAE port table
    {PAE ".1.1", INT, RW, "2", ENABLE12, 0},
    {PAE ".1.2.1.1", INT, NA, nullptr, nullptr, 0},
    {PAE ".1.2.1.2", GAU, RO, "2", nullptr, 0},
    {PAE ".1.2.1.3", STR, RO, "0x80", nullptr, 0},
    {PAE ".1.2.1.4", INT, RW, "2", TRUTH, 0},
    {PAE ".1.2.1.5", INT, RW, "2", TRUTH, 0},
    // authenticator configuration
    {PAE ".2.1.1.1", INT, RO, "1", "1..10", 0},
    {PAE ".2.1.1.2", INT, RO, "3", "1..9", 0},
    {PAE ".2.1.1.3", INT, RW, "0", "0,1", 0},
    {PAE ".2.1.1.4", INT, RO, "0", "0,1", 0},
    {PAE ".2.1.1.5", INT, RO, "1", "1,2", 0},
    {PAE ".2.1.1.6", INT, RW, "3", "1..3", 0},
    {PAE ".2.1.1.7", GAU, RW, "60", "0..65535", 0},
    {PAE ".2.1.1.8", GAU, RW, "30", "1..65535", 0},
    {PAE ".2.1.1.9", GAU, RW, "30", "1..65535", 0},
    {PAE ".2.1.1.10", GAU, RW, "30", "1..65535", 0},
    {PAE ".2.1.1.11", GAU, RW, "2", "1..10", 0},
    {PAE ".2.1.1.12", GAU, RW, "3600", "1..65535", 0},
    {PAE ".2.1.1.13", INT, RW, "2", TRUTH, 0},
    {PAE ".2.1.1.14", INT, RW, "2", TRUTH, 0},
    // authenticator statistics
    {PAE ".2.2.1.1", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.2", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.3", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.4", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.5", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.6", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.7", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.8", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.9", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.10", C32, RO, "0", nullptr, 0},
    {PAE ".2.2.1.11", GAU, RO, "0", nullptr, 0},
    {PAE ".2.2.1.12", STR, RO, "0x000000000000", nullptr, 0},
    // authenticator diagnostics
    {PAE ".2.3.1.1", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.2", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.3", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.4", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.5", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.6", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.7", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.8", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.9", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.10", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.11", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.12", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.13", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.14", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.15", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.16", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.17", C32, RO, "0", nullptr, 0},
    {PAE ".2.3.1.18", C32, RO, "0", nullptr, 0},
    // authenticator session statistics
    {PAE ".2.4.1.1", C64, RO, "0", nullptr, 0},
    {PAE ".2.4.1.2", C64, RO, "0", nullptr, 0},
    {PAE ".2.4.1.3", C32, RO, "0", nullptr, 0},
    {PAE ".2.4.1.4", C32, RO, "0", nullptr, 0},
    {PAE ".2.4.1.5", STR, RO, "", nullptr, 0},
    {PAE ".2.4.1.6", INT, RO, "1", "1,2", 0},
    {PAE ".2.4.1.7", TIC, RO, "0", nullptr, 0},
    {PAE ".2.4.1.8", INT, RO, "999", nullptr, 0},
    {PAE ".2.4.1.9", STR, RO, "", nullptr, 0},

    // RADIUS accounting client (.3 is the server table the vendor does not serve)
    {"1.3.6.1.2.1.67.2.2.1.1.1", C32, RO, "0", nullptr, 0},
    {"1.3.6.1.2.1.67.2.2.1.1.2", STR, RO, "NX-2400P", nullptr, 0},
    {"1.3.6.1.2.1.67.2.2.1.1.4", INT, RW, "2", ENABLE23, 0},
    {"1.3.6.1.2.1.67.2.2.1.1.5", INT, RW, "1813", "1..65535", 0},
    {"1.3.6.1.2.1.67.2.2.1.1.6", INT, RW, "2", "1..255", 0},

    // Authentication mode
    {"E.12.3.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.3.1.2", INT, RW, "1", "1,2", 0},
    // RADIUS control (timeout, retransmit) and the force-down command
    {"E.12.3.2.2", INT, RW, "5", "1..255", 0},
    {"E.12.3.2.3", INT, RW, "2", "1..255", 0},
    {"E.12.3.7.1", GAU, RW, "0", "0..28", 0},
    {"E.12.3.7.2", STR, RW, "0x000000000000", "6", 0},
    // Authentication information and table (per RADIUS server)
    {"E.12.3.3.1", STR, RO, "NX-2400P", nullptr, 0},
    {"E.12.3.3.2", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.3.3.3.1.2", IPA, RO, "0.0.0.0", nullptr, 0},
    {"E.12.3.3.3.1.3", INT, RO, "1812", nullptr, 0},
    {"E.12.3.3.3.1.4", TIC, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.5", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.6", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.7", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.8", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.9", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.10", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.11", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.12", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.13", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.14", C32, RO, "0", nullptr, 0},
    {"E.12.3.3.3.1.15", C32, RO, "0", nullptr, 0},
    // Accounting: service table, server table
    {"E.12.3.4.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.3.4.3.1.2", INT, RO, "{1}", "1..3", 0},
    {"E.12.3.4.3.1.3", INT, RW, "2", ENABLE23, 0},
    {"E.12.3.5.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.3.5.3.1.2", IPA, RO, "0.0.0.0", nullptr, 0},
    {"E.12.3.5.3.1.3", INT, RO, "1813", nullptr, 0},
    {"E.12.3.5.3.1.4", TIC, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.5", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.6", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.7", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.8", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.9", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.10", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.11", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.12", C32, RO, "0", nullptr, 0},
    {"E.12.3.5.3.1.13", C32, RO, "0", nullptr, 0},
    // MAC-based 802.1X: state table (port, MAC), session information (MAC, port)
    {"E.12.3.6.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.3.6.1.1.2", STR, RO, "0x000000000000", nullptr, 0},
    {"E.12.3.6.1.1.3", INT, RO, "1", "1..10", 0},
    {"E.12.3.6.1.1.4", INT, RO, "1", "1..9", 0},
    {"E.12.3.6.1.1.5", INT, RO, "2", "1,2", 0},
    {"E.12.3.6.4.1.1", STR, RO, "0x000000000000", nullptr, 0},
    {"E.12.3.6.4.1.2", INT, RO, "0", nullptr, 0},
    {"E.12.3.6.4.1.3", C64, RO, "0", nullptr, 0},
    {"E.12.3.6.4.1.4", C64, RO, "0", nullptr, 0},
    {"E.12.3.6.4.1.5", C32, RO, "0", nullptr, 0},
    {"E.12.3.6.4.1.6", C32, RO, "0", nullptr, 0},
    {"E.12.3.6.4.1.7", STR, RO, "", nullptr, 0},
    {"E.12.3.6.4.1.8", INT, RO, "1", "1,2", 0},
    {"E.12.3.6.4.1.9", TIC, RO, "0", nullptr, 0},
    {"E.12.3.6.4.1.10", INT, RO, "999", nullptr, 0},
    {"E.12.3.6.4.1.11", STR, RO, "", nullptr, 0},

    // AAC: state, information, application method groups, server groups
    {"E.12.5.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.5.2.1", INT, RO, "8", nullptr, 0},
    {"E.12.5.2.2", INT, RO, "8", nullptr, 0},
    {"E.12.5.2.3", INT, RO, "16", nullptr, 0},
    {"E.12.5.2.4", INT, RW, "5", "1..255", 0},
    {"E.12.5.2.5", INT, RW, "5", "1..255", 0},
    {"E.12.5.2.6", INT, RW, "3", "1..255", 0},
    {"E.12.5.7.1.1", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.2", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.3", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.4", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.5", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.6", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.7", STR, RW, "default", "0..15", 0},
    {"E.12.5.7.1.8", STR, RW, "default", "0..15", 0},
    {"E.12.5.9.1.1", INT, NA, nullptr, "1..9", 0},
    {"E.12.5.9.1.2", STR, RW, "group{1}", "0..15", 0},
    {"E.12.5.9.1.3", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.4", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.5", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.6", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.7", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.8", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.9", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.10", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.11", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.12", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.13", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.14", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.15", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.16", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.17", INT, RW, "0", "0..255", 0},
    {"E.12.5.9.1.18", INT, RW, "1", ROWSTAT, 0},

    // SSH: management, algorithms, authentication methods
    {"E.12.6.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.6.1.2", INT, RO, "2", nullptr, 0},
    {"E.12.6.1.3", INT, RW, "8", "1..99", 0},
    {"E.12.6.1.4", INT, RW, "120", "120..600", 0},
    {"E.12.6.1.5", INT, RW, "2", "2..20", 0},
    {"E.12.6.1.6", INT, RW, "22", "1..65535", 0},
    {"E.12.6.1.7", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.1", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.2", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.3", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.4", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.5", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.6", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.7", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.8", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.9", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.10", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.11", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.12", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.13", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.1.14", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.2.1", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.2.2", INT, RW, "3", ENABLE23, 0},
    {"E.12.6.2.2.3", INT, RW, "3", ENABLE23, 0},

    // Safeguard engine state
    {"E.12.19.1.1", INT, RW, "2", ENABLE23, 0},

    // IP-MAC binding: control scalars, port states, blocked entries, DHCP snooping entries
    {"E.12.23.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.1.2", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.1.3", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.1.4", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.3.2.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.23.3.2.1.2", INT, RW, "2", "1..3", 0},
    {"E.12.23.3.2.1.3", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.3.2.1.4", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.3.2.1.5", INT, RW, "0", "0..1024", 0},
    {"E.12.23.3.2.1.6", INT, RW, "2", ENABLE23, 0},
    {"E.12.23.4.2.1.1", INT, NA, nullptr, "1..4094", 0},
    {"E.12.23.4.2.1.2", STR, NA, nullptr, "6", 0},
    {"E.12.23.4.2.1.3", STR, RO, "", nullptr, 0},
    {"E.12.23.4.2.1.4", INT, RO, "0", nullptr, 0},
    {"E.12.23.4.2.1.5", IPA, RO, "0.0.0.0", nullptr, 0},
    {"E.12.23.4.2.1.6", INT, RW, "1", ROWSTAT, 0},
    {"E.12.23.4.3.1.1", IPA, RO, "0.0.0.0", nullptr, 0},
    {"E.12.23.4.3.1.2", STR, RO, "0x000000000000", nullptr, 0},
    {"E.12.23.4.3.1.3", INT, RO, "0", nullptr, 0},
    {"E.12.23.4.3.1.4", INT, RO, "0", nullptr, 0},
    {"E.12.23.4.3.1.5", INT, RO, "1", "1,2", 0},

    // DoS prevention: state, log; control per attack type
    {"E.12.59.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.59.1.2", INT, RW, "2", ENABLE23, 0},
    {"E.12.59.1.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.59.1.3.1.2", INT, RW, "2", ENABLE23, 0},
    {"E.12.59.1.3.1.3", INT, RW, "1", "1..3", 0},
    {"E.12.59.1.3.1.4", INT, RW, "0", "0..1024000", 0},
    {"E.12.59.1.3.1.5", STR, RW, NOPORTS, PORTLIST, 0},
    {"E.12.59.1.3.1.6", C32, RO, "0", nullptr, 0},
    {"E.12.59.1.3.1.7", INT, RW, "0", "0..7", 0},
};

const SimTableDef tables[] = {
    {PAE ".1.2.1", "1:i", "1..28", 0, NONE},
    {PAE ".2.1.1", "0:i", "1..28", 0, NONE},
    {PAE ".2.2.1", "0:i", "1..28", 0, NONE},
    {PAE ".2.3.1", "0:i", "1..28", 0, NONE},
    {PAE ".2.4.1", "0:i", "1..28", 0, NONE},
    {"E.12.3.3.3.1", "1:i", "1..3", 0, NONE},
    {"E.12.3.4.3.1", "1:i", "1..3", 0, NONE},
    {"E.12.3.5.3.1", "1:i", "1..3", 0, NONE},
    {"E.12.3.6.1.1", "1:i 2:m", "", 0, NONE},
    {"E.12.3.6.4.1", "1:m 2:i", "", 0, NONE},
    {"E.12.5.9.1", "1:i", "1..4", 18, ROWSTATUS},
    {"E.12.23.3.2.1", "1:i", "1..28", 0, NONE},
    {"E.12.23.4.2.1", "1:i 2:m", "", 6, ROWSTATUS},
    {"E.12.23.4.3.1", "1:a 2:m", "", 0, NONE},
    {"E.12.59.1.3.1", "1:i", "1..6", 0, NONE},
};

const char factory[] = R"(
E.12.5.9.1.2.1|4|tacacs
E.12.5.9.1.2.2|4|xtacacs
E.12.5.9.1.2.3|4|tacacs+
E.12.5.9.1.2.4|4|radius
)";

#undef PAE

} // namespace

const SimMibPart &SimMib::security()
{
    static const SimMibPart part{"security", objects, std::size(objects), tables, std::size(tables), factory};
    return part;
}
