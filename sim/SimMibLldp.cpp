// LLDP-MIB with its IEEE 802.1 and 802.3 extensions. LLDP runs on every port;
// two neighbours are known: a core switch on port 1 and a second NX switch on
// uplink 25.
#include "sim/SimMib.h"

using namespace SimMib::notation;

namespace {

#define LLDP "1.0.8802.1.1.2.1"
#define DOT1 "1.0.8802.1.1.2.1.5.32962.1"
#define DOT3 "1.0.8802.1.1.2.1.5.4623.1"

const SimObjectDef objects[] = {
    // lldpConfiguration
    {LLDP ".1.1", INT, RW, "30", "5..32768", 0},
    {LLDP ".1.2", INT, RW, "4", "2..10", 0},
    {LLDP ".1.3", INT, RW, "2", "1..10", 0},
    {LLDP ".1.4", INT, RW, "2", "1..8192", 0},
    {LLDP ".1.5", INT, RW, "5", "5..3600", 0},
    {LLDP ".1.6.1.1", INT, NA, nullptr, "1..4096", 0},
    {LLDP ".1.6.1.2", INT, RW, "3", "1..4", 0},
    {LLDP ".1.6.1.3", INT, RW, "2", TRUTH, 0},
    {LLDP ".1.6.1.4", STR, RW, "0x00", "0..1", 0},
    {LLDP ".1.7.1.1", STR, RW, ALLPORTS, PORTLIST, 0},

    // lldpStatistics
    {LLDP ".2.1", TIC, RO, "1500", nullptr, 0},
    {LLDP ".2.2", GAU, RO, "2", nullptr, 0},
    {LLDP ".2.3", GAU, RO, "0", nullptr, 0},
    {LLDP ".2.4", GAU, RO, "0", nullptr, 0},
    {LLDP ".2.5", GAU, RO, "0", nullptr, 0},
    {LLDP ".2.6.1.1", INT, NA, nullptr, nullptr, 0},
    {LLDP ".2.6.1.2", C32, RO, "0", nullptr, 0},
    {LLDP ".2.7.1.1", INT, NA, nullptr, nullptr, 0},
    {LLDP ".2.7.1.2", C32, RO, "0", nullptr, 0},
    {LLDP ".2.7.1.3", C32, RO, "0", nullptr, 0},
    {LLDP ".2.7.1.4", C32, RO, "0", nullptr, 0},
    {LLDP ".2.7.1.5", C32, RO, "0", nullptr, 0},
    {LLDP ".2.7.1.6", C32, RO, "0", nullptr, 0},
    {LLDP ".2.7.1.7", GAU, RO, "0", nullptr, 0},

    // lldpLocalSystemData
    {LLDP ".3.1", INT, RO, "4", "1..7", 0},
    {LLDP ".3.2", STR, RO, "0x001E58A70000", nullptr, 0},
    {LLDP ".3.3", STR, RO, "NX-2400P", nullptr, 0},
    {LLDP ".3.4", STR, RO, "NX-2400P Fast Ethernet PoE Managed Switch", nullptr, 0},
    {LLDP ".3.5", STR, RO, "0x20", nullptr, 0},
    {LLDP ".3.6", STR, RO, "0x20", nullptr, 0},
    {LLDP ".3.7.1.1", INT, NA, nullptr, nullptr, 0},
    {LLDP ".3.7.1.2", INT, RO, "7", "1..7", 0},
    {LLDP ".3.7.1.3", STR, RO, "{1}", nullptr, 0},
    {LLDP ".3.7.1.4", STR, RO, "RMON Port {1} on Unit 1", nullptr, 0},
    {LLDP ".3.8.1.1", INT, NA, nullptr, nullptr, 0},
    {LLDP ".3.8.1.2", STR, NA, nullptr, nullptr, 0},
    {LLDP ".3.8.1.3", INT, RO, "5", nullptr, 0},
    {LLDP ".3.8.1.4", INT, RO, "2", "1..3", 0},
    {LLDP ".3.8.1.5", INT, RO, "29", nullptr, 0},
    {LLDP ".3.8.1.6", OID, RO, "0.0", nullptr, 0},

    // lldpRemoteSystemsData
    {LLDP ".4.1.1.1", TIC, NA, nullptr, nullptr, 0},
    {LLDP ".4.1.1.2", INT, NA, nullptr, nullptr, 0},
    {LLDP ".4.1.1.3", INT, NA, nullptr, nullptr, 0},
    {LLDP ".4.1.1.4", INT, RO, "4", "1..7", 0},
    {LLDP ".4.1.1.5", STR, RO, "", nullptr, 0},
    {LLDP ".4.1.1.6", INT, RO, "5", "1..7", 0},
    {LLDP ".4.1.1.7", STR, RO, "", nullptr, 0},
    {LLDP ".4.1.1.8", STR, RO, "", nullptr, 0},
    {LLDP ".4.1.1.9", STR, RO, "", nullptr, 0},
    {LLDP ".4.1.1.10", STR, RO, "", nullptr, 0},
    {LLDP ".4.1.1.11", STR, RO, "0x20", nullptr, 0},
    {LLDP ".4.1.1.12", STR, RO, "0x20", nullptr, 0},
    {LLDP ".4.2.1.1", INT, NA, nullptr, nullptr, 0},
    {LLDP ".4.2.1.2", STR, NA, nullptr, nullptr, 0},
    {LLDP ".4.2.1.3", INT, RO, "2", "1..3", 0},
    {LLDP ".4.2.1.4", INT, RO, "1", nullptr, 0},
    {LLDP ".4.2.1.5", OID, RO, "0.0", nullptr, 0},
    {LLDP ".4.3.1.1", INT, NA, nullptr, nullptr, 0},
    {LLDP ".4.3.1.2", STR, RO, "", nullptr, 0},

    // 802.1 extension: configuration, local data, remote data
    {DOT1 ".1.1.1.1", INT, RW, "2", TRUTH, 0},
    {DOT1 ".1.2.1.1", INT, RW, "2", TRUTH, 0},
    {DOT1 ".1.3.1.1", INT, RW, "2", TRUTH, 0},
    {DOT1 ".1.4.1.1", INT, RW, "2", TRUTH, 0},
    {DOT1 ".2.1.1.1", INT, RO, "1", nullptr, 0},
    {DOT1 ".2.2.1.1", INT, NA, nullptr, nullptr, 0},
    {DOT1 ".2.2.1.2", INT, RO, "2", TRUTH, 0},
    {DOT1 ".2.2.1.3", INT, RO, "2", TRUTH, 0},
    {DOT1 ".2.3.1.1", INT, NA, nullptr, nullptr, 0},
    {DOT1 ".2.3.1.2", STR, RO, "default", nullptr, 0},
    {DOT1 ".2.4.1.1", INT, NA, nullptr, nullptr, 0},
    {DOT1 ".2.4.1.2", STR, RO, "0x0026424203000000", nullptr, 0},
    {DOT1 ".3.1.1.1", INT, RO, "1", nullptr, 0},
    {DOT1 ".3.2.1.1", INT, NA, nullptr, nullptr, 0},
    {DOT1 ".3.2.1.2", INT, RO, "2", TRUTH, 0},
    {DOT1 ".3.2.1.3", INT, RO, "2", TRUTH, 0},
    {DOT1 ".3.3.1.1", INT, NA, nullptr, nullptr, 0},
    {DOT1 ".3.3.1.2", STR, RO, "default", nullptr, 0},
    {DOT1 ".3.4.1.1", INT, NA, nullptr, nullptr, 0},
    {DOT1 ".3.4.1.2", STR, RO, "0x0026424203000000", nullptr, 0},

    // 802.3 extension: configuration, local data, remote data
    {DOT3 ".1.1.1.1", STR, RW, "0x00", "0..1", 0},
    {DOT3 ".2.1.1.1", INT, RO, "1", TRUTH, 0},
    {DOT3 ".2.1.1.2", INT, RO, "1", TRUTH, 0},
    {DOT3 ".2.1.1.3", STR, RO, "0x6C00", nullptr, 0},
    {DOT3 ".2.1.1.4", INT, RO, "16", nullptr, 0},
    {DOT3 ".2.2.1.1", INT, RO, "1", "1,2", 0},
    {DOT3 ".2.2.1.2", INT, RO, "1", TRUTH, 0},
    {DOT3 ".2.2.1.3", INT, RO, "1", TRUTH, 0},
    {DOT3 ".2.2.1.4", INT, RO, "2", TRUTH, 0},
    {DOT3 ".2.2.1.5", INT, RO, "1", "1,2", 0},
    {DOT3 ".2.2.1.6", INT, RO, "1", "1..5", 0},
    {DOT3 ".2.3.1.1", STR, RO, "0x80", nullptr, 0},
    {DOT3 ".2.3.1.2", INT, RO, "0", nullptr, 0},
    {DOT3 ".2.4.1.1", INT, RO, "1536", nullptr, 0},
    {DOT3 ".3.1.1.1", INT, RO, "1", TRUTH, 0},
    {DOT3 ".3.1.1.2", INT, RO, "1", TRUTH, 0},
    {DOT3 ".3.1.1.3", STR, RO, "0x6C00", nullptr, 0},
    {DOT3 ".3.1.1.4", INT, RO, "16", nullptr, 0},
    {DOT3 ".3.2.1.1", INT, RO, "2", "1,2", 0},
    {DOT3 ".3.2.1.2", INT, RO, "2", TRUTH, 0},
    {DOT3 ".3.2.1.3", INT, RO, "2", TRUTH, 0},
    {DOT3 ".3.2.1.4", INT, RO, "2", TRUTH, 0},
    {DOT3 ".3.2.1.5", INT, RO, "1", "1,2", 0},
    {DOT3 ".3.2.1.6", INT, RO, "1", "1..5", 0},
    {DOT3 ".3.3.1.1", STR, RO, "0x00", nullptr, 0},
    {DOT3 ".3.3.1.2", INT, RO, "0", nullptr, 0},
    {DOT3 ".3.4.1.1", INT, RO, "1518", nullptr, 0},
};

// Remote rows are indexed by time mark, local port and remote index.
const SimTableDef tables[] = {
    {LLDP ".1.6.1", "1:i", "1..28", 0, NONE},
    {LLDP ".1.7.1", "0:i 0:s", "1.4.10.90.90.90", 0, NONE},
    {LLDP ".2.6.1", "1:i", "1..28", 0, NONE},
    {LLDP ".2.7.1", "1:i", "1..28", 0, NONE},
    {LLDP ".3.7.1", "1:i", "1..28", 0, NONE},
    {LLDP ".3.8.1", "1:i 2:s", "1.4.10.90.90.90", 0, NONE},
    {LLDP ".4.1.1", "1:i 2:i 3:i", "1500.1.1,2300.25.2", 0, NONE},
    {LLDP ".4.2.1", "0:i 0:i 0:i 1:i 2:s", "1500.1.1.1.4.10.90.90.1,2300.25.2.1.4.10.90.90.2", 0, NONE},
    {LLDP ".4.3.1", "0:i 0:i 0:i 1:i", "", 0, NONE},
    {DOT1 ".1.1.1", "0:i", "1..28", 0, NONE},
    {DOT1 ".1.2.1", "0:i 0:i", "1..28.1", 0, NONE},
    {DOT1 ".1.3.1", "0:i 0:i", "1..28.0", 0, NONE},
    {DOT1 ".1.4.1", "0:i 0:i", "1..28.1", 0, NONE},
    {DOT1 ".2.1.1", "0:i", "1..28", 0, NONE},
    {DOT1 ".2.2.1", "0:i 1:i", "1..28.0", 0, NONE},
    {DOT1 ".2.3.1", "0:i 1:i", "1..28.1", 0, NONE},
    {DOT1 ".2.4.1", "0:i 1:i", "1..28.1", 0, NONE},
    {DOT1 ".3.1.1", "0:i 0:i 0:i", "1500.1.1,2300.25.2", 0, NONE},
    {DOT1 ".3.2.1", "0:i 0:i 0:i 1:i", "", 0, NONE},
    {DOT1 ".3.3.1", "0:i 0:i 0:i 1:i", "1500.1.1.1,2300.25.2.1", 0, NONE},
    {DOT1 ".3.4.1", "0:i 0:i 0:i 1:i", "1500.1.1.1", 0, NONE},
    {DOT3 ".1.1.1", "0:i", "1..28", 0, NONE},
    {DOT3 ".2.1.1", "0:i", "1..28", 0, NONE},
    {DOT3 ".2.2.1", "0:i", "1..24", 0, NONE},
    {DOT3 ".2.3.1", "0:i", "1..28", 0, NONE},
    {DOT3 ".2.4.1", "0:i", "1..28", 0, NONE},
    {DOT3 ".3.1.1", "0:i 0:i 0:i", "1500.1.1,2300.25.2", 0, NONE},
    {DOT3 ".3.2.1", "0:i 0:i 0:i", "1500.1.1", 0, NONE},
    {DOT3 ".3.3.1", "0:i 0:i 0:i", "1500.1.1,2300.25.2", 0, NONE},
    {DOT3 ".3.4.1", "0:i 0:i 0:i", "1500.1.1,2300.25.2", 0, NONE},
};

const char factory[] = R"(
1.0.8802.1.1.2.1.4.1.1.5.1500.1.1|4x|0050ba112233
1.0.8802.1.1.2.1.4.1.1.7.1500.1.1|4|Gi0/1
1.0.8802.1.1.2.1.4.1.1.8.1500.1.1|4|GigabitEthernet0/1
1.0.8802.1.1.2.1.4.1.1.9.1500.1.1|4|core-sw1
1.0.8802.1.1.2.1.4.1.1.10.1500.1.1|4|Core switch, building A
1.0.8802.1.1.2.1.4.1.1.11.1500.1.1|4x|28
1.0.8802.1.1.2.1.4.1.1.12.1500.1.1|4x|28
1.0.8802.1.1.2.1.4.1.1.5.2300.25.2|4x|001e58a70100
1.0.8802.1.1.2.1.4.1.1.6.2300.25.2|2|7
1.0.8802.1.1.2.1.4.1.1.7.2300.25.2|4|26
1.0.8802.1.1.2.1.4.1.1.8.2300.25.2|4|RMON Port 26 on Unit 1
1.0.8802.1.1.2.1.4.1.1.9.2300.25.2|4|NX-2400P-lab
1.0.8802.1.1.2.1.4.1.1.10.2300.25.2|4|NX-2400P Fast Ethernet PoE Managed Switch
1.0.8802.1.1.2.1.4.2.1.4.2300.25.2.1.4.10.90.90.2|2|29
1.0.8802.1.1.2.1.5.4623.1.2.1.1.4.25|2|30
1.0.8802.1.1.2.1.5.4623.1.2.1.1.4.26|2|30
1.0.8802.1.1.2.1.5.4623.1.2.1.1.4.27|2|30
1.0.8802.1.1.2.1.5.4623.1.2.1.1.4.28|2|30
1.0.8802.1.1.2.1.5.4623.1.3.1.1.4.1500.1.1|2|30
1.0.8802.1.1.2.1.5.4623.1.3.1.1.4.2300.25.2|2|30
1.0.8802.1.1.2.1.5.4623.1.3.4.1.1.1500.1.1|2|9216
1.0.8802.1.1.2.1.5.32962.1.3.4.1.2.1500.1.1.1|4x|0026424203000000
1.0.8802.1.1.2.1.2.6.1.2.1|65|212
1.0.8802.1.1.2.1.2.7.1.4.1|65|209
1.0.8802.1.1.2.1.2.6.1.2.25|65|212
1.0.8802.1.1.2.1.2.7.1.4.25|65|210
)";

#undef LLDP
#undef DOT1
#undef DOT3

} // namespace

const SimMibPart &SimMib::lldp()
{
    static const SimMibPart part{"lldp", objects, std::size(objects), tables, std::size(tables), factory};
    return part;
}
