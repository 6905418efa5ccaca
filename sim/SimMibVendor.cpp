// The vendor's MIB below EnterpriseBase ("E"): the product subtree E.11.63.7
// and the common subtrees below E.12. Objects the module names are defined
// with the types and values it expects; the rest of each group follows from
// the first OID and size the module's descriptor arrays give, as the switch's
// MIB plausibly defines them.
#include "sim/SimMib.h"

using namespace SimMib::notation;

namespace {

const SimObjectDef objects[] = {
    // Device information: E.11.63.7.2.1.1
    {"E.11.63.7.2.1.1.1", TIC, RO, "0", nullptr, 0},
    {"E.11.63.7.2.1.1.2", INT, RO, "28", nullptr, 0},
    {"E.11.63.7.2.1.1.3", INT, RO, "8", nullptr, 0},
    {"E.11.63.7.2.1.1.4", INT, RO, "3", "1..3", 0},
    // Front-panel LED status: 4 system bytes, then (state, colour) per port; kept live.
    {"E.11.63.7.2.1.1.5", STR, RO, "", nullptr, 0},

    // Device control: E.11.63.7.2.1.2
    {"E.11.63.7.2.1.2.1", INT, RW, "1", "1,2,3,4", 0},
    {"E.11.63.7.2.1.2.2", IPA, RW, "10.90.90.90", nullptr, 0},
    {"E.11.63.7.2.1.2.3", IPA, RW, "255.0.0.0", nullptr, 0},
    {"E.11.63.7.2.1.2.4", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.11.63.7.2.1.2.5", INT, RW, "1", "1..4094", 0},
    {"E.11.63.7.2.1.2.7", INT, RW, "2", "2,3", 0},
    {"E.11.63.7.2.1.2.12", INT, RW, "1", "1,2", 0},
    {"E.11.63.7.2.1.2.13", INT, RW, "1", "1,2", 0},
    {"E.11.63.7.2.1.2.16", INT, RW, "3", "2,3", 0},
    {"E.11.63.7.2.1.2.17", INT, RW, "2", "2,3", 0},
    {"E.11.63.7.2.1.2.19", INT, RW, "2", "2,3", 0},
    {"E.11.63.7.2.1.2.20", INT, RW, "1", "1..500", 0},
    {"E.11.63.7.2.1.2.21", INT, RW, "1", "1..2147483647", 0},
    {"E.11.63.7.2.1.2.22", INT, RW, "1", "1,2", 0},
    {"E.11.63.7.2.1.2.23", INT, RW, "2", "1,2", 0},
    {"E.11.63.7.2.1.2.24", INT, RW, "2", "2,3", 0},
    {"E.11.63.7.2.1.2.25", INT, RW, "2", "1,2", 0},
    {"E.11.63.7.2.1.2.26", INT, RW, "2", "1,2", 0},

    // Port information (port; link status other 1/link-pass 2/link-fail 3; nway status)
    {"E.11.63.7.2.2.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.2.1.1.2", INT, RO, "3", "1,2,3", 0},
    {"E.11.63.7.2.2.1.1.3", INT, RO, "7", "1,2,3,4,5,6,7,8,9", 0},
    // Port control (port, medium 1 copper / 2 fibre)
    {"E.11.63.7.2.2.2.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.2.2.1.2", INT, RO, "{2}", "1,2", 0},
    {"E.11.63.7.2.2.2.1.3", INT, RW, "3", "1,2,3", 0},
    {"E.11.63.7.2.2.2.1.4", INT, RW, "2", "1,2,3,4,5,6,7", 0},
    {"E.11.63.7.2.2.2.1.5", INT, RW, "2", "1,2,3", 0},
    {"E.11.63.7.2.2.2.1.6", INT, RW, "3", "1,2,3", 0},
    {"E.11.63.7.2.2.2.1.7", INT, RW, "2", "1,2,3", 0},
    {"E.11.63.7.2.2.2.1.8", INT, RW, "1", "1,2,3", 0},
    {"E.11.63.7.2.2.2.1.9", STR, RW, "", "0..32", 0},
    {"E.11.63.7.2.2.2.1.10", INT, RW, "2", "1,2,3", 0},
    // Error ports (port, state, status, reason, recover time)
    {"E.11.63.7.2.2.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.2.3.1.2", INT, RO, "2", "1,2", 0},
    {"E.11.63.7.2.2.3.1.3", INT, RO, "1", "1,2", 0},
    {"E.11.63.7.2.2.3.1.4", INT, RO, "1", "1,2,3,4", 0},
    {"E.11.63.7.2.2.3.1.5", STR, RO, "", nullptr, 0},

    // QoS: bandwidth, scheduling, 802.1p user priority and default priority, mechanism
    {"E.11.63.7.2.3.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.3.1.1.2", INT, RW, "0", "0..1000000", 0},
    {"E.11.63.7.2.3.1.1.3", INT, RW, "0", "0..1000000", 0},
    {"E.11.63.7.2.3.1.1.4", INT, RO, "0", nullptr, 0},
    {"E.11.63.7.2.3.1.1.5", INT, RO, "0", nullptr, 0},
    {"E.11.63.7.2.3.2.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.3.2.1.2", INT, RW, "0", "0..255", 0},
    {"E.11.63.7.2.3.2.1.3", INT, RW, "1", "1,2", 0},
    {"E.11.63.7.2.3.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.3.3.1.2", INT, RW, "{1/2}", "0..3", 0},
    {"E.11.63.7.2.3.4.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.3.4.1.2", INT, RW, "0", "0..7", 0},
    {"E.11.63.7.2.3.4.1.3", INT, RO, "0", "0..7", 0},
    {"E.11.63.7.2.3.5", INT, RW, "2", "1,2", 0},

    // Trunks: basic information, trunk table (index, name, port list, master, active), LACP ports, trunk VLANs
    {"E.11.63.7.2.4.1", INT, RO, "6", nullptr, 0},
    {"E.11.63.7.2.4.2", INT, RO, "8", nullptr, 0},
    {"E.11.63.7.2.4.3.1.1", INT, NA, nullptr, "1..6", 0},
    {"E.11.63.7.2.4.3.1.2", INT, RW, "0", "0..28", 0},
    {"E.11.63.7.2.4.3.1.3", STR, RW, NOPORTS, PORTLIST, 0},
    {"E.11.63.7.2.4.3.1.4", INT, RW, "1", "1,2", 0},
    {"E.11.63.7.2.4.3.1.5", STR, RO, NOPORTS, PORTLIST, 0},
    {"E.11.63.7.2.4.3.1.6", INT, RW, "1", ROWSTAT, 0},
    {"E.11.63.7.2.4.3.1.7", INT, RO, "0", nullptr, 0},
    {"E.11.63.7.2.4.4", INT, RW, "1", "1,2,3,4,5,6,7", 0},
    {"E.11.63.7.2.4.5.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.4.5.1.2", INT, RW, "2", "1,2", 0},
    {"E.11.63.7.2.4.6.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.4.6.1.2", STR, RW, "", "0..128", 0},

    // Port mirror: state, RX source ports, TX source ports, target port
    {"E.11.63.7.2.6.2", STR, RW, NOPORTS, PORTLIST, 0},
    {"E.11.63.7.2.6.3", STR, RW, NOPORTS, PORTLIST, 0},
    {"E.11.63.7.2.6.4", INT, RW, "0", "0..28", 0},
    {"E.11.63.7.2.6.5", INT, RW, "2", ENABLE23, 0},

    // IGMP snooping: general, control per VLAN, query, router ports and groups
    {"E.11.63.7.2.7.1", INT, RO, "256", nullptr, 0},
    {"E.11.63.7.2.7.2", INT, RO, "1", nullptr, 0},
    {"E.11.63.7.2.7.3.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.7.3.1.2", INT, RW, "125", "1..65535", 0},
    {"E.11.63.7.2.7.3.1.3", INT, RW, "2", "1..25", 0},
    {"E.11.63.7.2.7.3.1.4", INT, RW, "1", "1..255", 0},
    {"E.11.63.7.2.7.3.1.5", INT, RW, "10", "1..65535", 0},
    {"E.11.63.7.2.7.3.1.6", INT, RW, "260", "1..16711450", 0},
    {"E.11.63.7.2.7.3.1.7", INT, RW, "260", "1..16711450", 0},
    {"E.11.63.7.2.7.3.1.8", INT, RW, "0", "0..16711450", 0},
    {"E.11.63.7.2.7.3.1.9", INT, RW, "2", "1,2,3", 0},
    {"E.11.63.7.2.7.3.1.10", INT, RW, "2", "1,2", 0},
    {"E.11.63.7.2.7.3.1.11", INT, RW, "2", "1,2,3", 0},
    {"E.11.63.7.2.7.3.1.12", INT, RW, "1", "1,2,3", 0},
    {"E.11.63.7.2.7.3.1.13", INT, RW, "3", "1,2,3", 0},
    {"E.11.63.7.2.7.3.1.14", INT, RW, "2", ENABLE23, 0},
    {"E.11.63.7.2.7.4.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.7.4.1.2", IPA, RO, "0.0.0.0", nullptr, 0},
    {"E.11.63.7.2.7.4.1.3", INT, RO, "1", "1..3", 0},
    {"E.11.63.7.2.7.5.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.7.5.1.2", IPA, RO, "0.0.0.0", nullptr, 0},
    {"E.11.63.7.2.7.5.1.3", STR, RO, "0x000000000000", nullptr, 0},
    {"E.11.63.7.2.7.5.1.4", STR, RO, NOPORTS, PORTLIST, 0},
    {"E.11.63.7.2.7.5.1.5", INT, RO, "0", nullptr, 0},
    {"E.11.63.7.2.7.12.1", INT, RW, "256", "1..256", 0},

    // Port security: control per port, trap/log state
    {"E.11.63.7.2.15.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.15.1.1.2", INT, RW, "1", "1,2,3", 0},
    {"E.11.63.7.2.15.1.1.3", INT, RW, "4", "1..4", 0},
    {"E.11.63.7.2.15.1.1.4", INT, RW, "3", "1,2,3,4", 0},
    {"E.11.63.7.2.15.2", INT, RW, "2", "1,2,3", 0},

    // Loop detect: control scalars and port table
    {"E.11.63.7.2.21.1.1", INT, RW, "2", "1,2", 0},
    {"E.11.63.7.2.21.1.2", INT, RW, "10", "1..32767", 0},
    {"E.11.63.7.2.21.1.3", INT, RW, "60", "0..1000000", 0},
    {"E.11.63.7.2.21.2.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.21.2.1.1.2", INT, RW, "2", "1,2", 0},
    {"E.11.63.7.2.21.2.1.1.3", INT, RO, "1", "1,2", 0},

    // VLAN advertisement and multiply management
    {"E.11.63.7.2.23.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.23.1.1.2", STR, RO, "default", nullptr, 0},
    {"E.11.63.7.2.23.1.1.3", INT, RW, "3", "1,2,3", 0},
    {"E.11.63.7.2.23.2.1", STR, RW, "", "0..255", 0},
    {"E.11.63.7.2.23.2.2", INT, RW, "1", "1,2,3", 0},
    {"E.11.63.7.2.23.2.3", STR, RW, NOPORTS, PORTLIST, 0},
    {"E.11.63.7.2.23.2.4", INT, RW, "1", "1,2,3,4,5", 0},
    {"E.11.63.7.2.23.2.5", INT, RW, "1", "1,2,3,4", 0},

    // DHCP local relay
    {"E.11.63.7.2.24.1", INT, RW, "2", "2,3", 0},
    {"E.11.63.7.2.24.2.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.11.63.7.2.24.2.1.2", INT, RW, "2", "2,3", 0},

    // Agent: basic information, MIB capabilities, basic management
    // (E.12.1.1.2 is the capability table, so the basic information is .1, .3, .4, .5)
    {"E.12.1.1.1", STR, RO, "2.00.009", nullptr, 0},
    {"E.12.1.1.3", STR, RO, "A1", nullptr, 0},
    {"E.12.1.1.4", STR, RO, "1.00.007", nullptr, 0},
    {"E.12.1.1.5", STR, RO, "NX24P0812000123", nullptr, 0},
    // MIB capabilities (index; name, version, description)
    {"E.12.1.1.2.1.1", INT, NA, nullptr, nullptr, 0},
    {"E.12.1.1.2.1.2", STR, RO, "", nullptr, 0},
    {"E.12.1.1.2.1.3", STR, RO, "1.0", nullptr, 0},
    {"E.12.1.1.2.1.4", STR, RO, "", nullptr, 0},
    // port utilisation per port, DRAM per unit
    {"E.12.1.1.8.1.1", INT, NA, nullptr, "1..28", 0},
    {"E.12.1.1.8.1.2", GAU, RO, "0", nullptr, 0},
    {"E.12.1.1.8.1.3", GAU, RO, "0", nullptr, 0},
    {"E.12.1.1.8.1.4", INT, RO, "0", "0..100", 0},
    {"E.12.1.1.9.1.1", INT, NA, nullptr, nullptr, 0},
    {"E.12.1.1.9.1.2", INT, RO, "65536", nullptr, 0},
    {"E.12.1.1.9.1.3", INT, RO, "28311", nullptr, 0},
    {"E.12.1.1.9.1.4", INT, RO, "43", "0..100", 0},
    {"E.12.1.1.6.1", INT, RO, "7", "0..100", 0},
    {"E.12.1.1.6.2", INT, RO, "6", "0..100", 0},
    {"E.12.1.1.6.3", INT, RO, "6", "0..100", 0},

    // Agent management: reboot, basic management, save, images, trust hosts, FDB/ARP clearing
    {"E.12.1.2.3", INT, RW, "1", "1..4", 0},
    // basic management: .4, .5, .8, .9 (.6 is the save object, .7 the image table)
    {"E.12.1.2.4", INT, RW, "3", "2,3", 0},
    {"E.12.1.2.5", INT, RW, "23", "1..65535", 0},
    {"E.12.1.2.8", INT, RW, "3", "2,3", 0},
    {"E.12.1.2.9", INT, RW, "80", "1..65535", 0},
    {"E.12.1.2.6", INT, RW, "1", "1,2,3,4,5", 0},
    // firmware images (ID; version, size, update time, source, boot state 1 boot-up / 2 backup)
    {"E.12.1.2.7.1.1", INT, NA, nullptr, "1,2", 0},
    {"E.12.1.2.7.1.2", STR, RO, "2.00.009", nullptr, 0},
    {"E.12.1.2.7.1.3", INT, RO, "4194304", nullptr, 0},
    {"E.12.1.2.7.1.4", STR, RO, "2008/12/12 10:10:10", nullptr, 0},
    {"E.12.1.2.7.1.5", STR, RO, "10.90.90.1", nullptr, 0},
    {"E.12.1.2.7.1.6", INT, RW, "2", "1,2", 0},
    {"E.12.1.2.10.1.1.1", INT, NA, nullptr, "1..10", 0},
    {"E.12.1.2.10.1.1.2", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.1.2.10.1.1.3", INT, RW, "1", "1,2,3,4,5,6", 0},
    {"E.12.1.2.10.1.1.4", IPA, RW, "255.255.255.255", nullptr, 0},
    {"E.12.1.2.10.2", INT, RW, "1", "1,2", 0},
    {"E.12.1.2.11.1", INT, RW, "1", "1,2", 0},
    {"E.12.1.2.12.1", INT, RW, "1", "1,2", 0},
    {"E.12.1.2.12.2.1", INT, RW, "2", "2,3", 0},
    {"E.12.1.2.12.2.2", INT, RW, "2", "2,3", 0},
    {"E.12.1.2.12.2.3", INT, RW, "2", "2,3", 0},
    // gratuitous ARP per IP interface (name; trap, log, send interval)
    {"E.12.1.2.12.2.4.1.1", STR, NA, nullptr, "1..12", 0},
    {"E.12.1.2.12.2.4.1.2", INT, RW, "2", "2,3", 0},
    {"E.12.1.2.12.2.4.1.3", INT, RW, "3", "2,3", 0},
    {"E.12.1.2.12.2.4.1.4", INT, RW, "0", "0..65535", 0},
    // Console
    {"E.12.1.5.1", INT, RW, "1", "1,2,3,4,5", 0},
    {"E.12.1.5.2", INT, RW, "9600", "9600,19200,38400,115200", 0},
    {"E.12.1.5.3", INT, RW, "3", "1,2,3", 0},
    {"E.12.1.5.4", INT, RW, "1", "1,2", 0},
    {"E.12.1.5.5", INT, RW, "2", "1,2,3,4,5", 0},

    // Access control: mask delete-all
    {"E.12.9.2.5", INT, RW, "1", "1,2", 0},

    // Time: current time, system time
    // time: source (1 system, 2 SNTP), current time, date, clock, zone offset, boot time
    {"E.12.10.1", INT, RO, "1", "1,2", 0},
    {"E.12.10.2", STR, RW, "2008/12/12 08:00:00", "0..21", 0},
    {"E.12.10.3", STR, RW, "2008/12/12", "0..10", 0},
    {"E.12.10.4", STR, RW, "08:00:00", "0..8", 0},
    {"E.12.10.5", INT, RW, "1", "1,2", 0},
    {"E.12.10.6", INT, RW, "0", "0..13", 0},
    {"E.12.10.7", INT, RW, "0", "0,30", 0},
    {"E.12.10.8", STR, RO, "2008/12/12 08:00:00", nullptr, 0},

    // System log
    // (E.12.12.2 is the host table, so the scalars are .1, .3, .4, .5)
    {"E.12.12.1", INT, RW, "2", "2,3", 0},
    {"E.12.12.3", INT, RW, "1", "1,2,3", 0},
    {"E.12.12.4", INT, RW, "514", "1..65535", 0},
    {"E.12.12.5", INT, RW, "1", "1,2", 0},

    // Spanning tree: bridge scalars, configuration identification
    {"E.12.15.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.15.1.2", INT, RW, "1", "0,1,2", 0},
    {"E.12.15.1.3", INT, RW, "2000", "600..4000", 0},
    {"E.12.15.1.4", INT, RW, "200", "100..200", 0},
    {"E.12.15.1.5", INT, RW, "1500", "400..3000", 0},
    {"E.12.15.1.6", INT, RW, "20", "1..20", 0},
    {"E.12.15.1.7", INT, RW, "3", "1..10", 0},
    {"E.12.15.1.8", INT, RW, "2", ENABLE23, 0},
    {"E.12.15.1.9", INT, RW, "3", ENABLE23, 0},
    {"E.12.15.1.10", INT, RW, "60", "0,60..1000000", 0},
    {"E.12.15.2.1", STR, RW, "001E58A70000", "0..32", 0},
    {"E.12.15.2.2", INT, RW, "0", "0..65535", 0},

    // PoE: system control and information, port control and information
    {"E.12.24.1.1", INT, RW, "370", "37..370", 0},
    {"E.12.24.1.2", INT, RW, "1", "1,2", 0},
    {"E.12.24.1.3", INT, RW, "2", "2,3", 0},
    {"E.12.24.1.4", INT, RW, "1", "1,2", 0},
    // Consumption and remaining power (mW), and the port information below, are kept live.
    {"E.12.24.2.1", GAU, RO, "0", nullptr, 0},
    {"E.12.24.2.2", GAU, RO, "370000", nullptr, 0},
    {"E.12.24.3.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.24.3.1.1.2", INT, RW, "3", "2,3", 0},
    {"E.12.24.3.1.1.3", INT, RW, "3", "1,2,3", 0},
    {"E.12.24.3.1.1.4", INT, RW, "1", "1,2,3,4,5", 0},
    {"E.12.24.3.1.1.5", INT, RW, "15400", "1000..16800", 0},
    {"E.12.24.4.1.1.1", INT, RO, "{1}", nullptr, 0},
    {"E.12.24.4.1.1.2", INT, RO, "0", "0..4", 0},
    {"E.12.24.4.1.1.3", GAU, RO, "0", nullptr, 0},
    {"E.12.24.4.1.1.4", GAU, RO, "0", nullptr, 0},
    {"E.12.24.4.1.1.5", GAU, RO, "0", nullptr, 0},
    {"E.12.24.4.1.1.6", STR, RO, "Searching", nullptr, 0},
    {"E.12.24.4.1.1.7", STR, RO, "", nullptr, 0},

    // QinQ
    {"E.12.57.1.1", INT, RW, "2", "1,2", 0},
    {"E.12.57.3.1.1.1", INT, NA, nullptr, "1..28", 0},
    {"E.12.57.3.1.1.2", INT, RW, "2", "1,2", 0},
    {"E.12.57.3.1.1.3", INT, RW, "2", ENABLE23, 0},
    {"E.12.57.3.1.1.4", STR, RW, "0x88A8", "2", 0},

    // Agent update files (index; description, server, transfer type, file, locate ID,
    // direction, control, increment, image ID); rows are fixed
    {"E.12.1.2.1.1.1", INT, NA, nullptr, "1..16", 0},
    {"E.12.1.2.1.1.2", STR, RW, "", "0..64", 0},
    {"E.12.1.2.1.1.3", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.1.2.1.1.4", INT, RW, "2", "2,3", 0},
    {"E.12.1.2.1.1.5", STR, RW, "", "0..128", 0},
    {"E.12.1.2.1.1.6", INT, RW, "{1}", "1..16", 0},
    {"E.12.1.2.1.1.7", INT, RW, "3", "2,3", 0},
    {"E.12.1.2.1.1.8", INT, RW, "2", "2..5", 0},
    {"E.12.1.2.1.1.9", INT, RW, "2", TRUTH, 0},
    {"E.12.1.2.1.1.10", INT, RW, "1", "1..2", 0},

    // Network time (SNTP) and summer time
    {"E.12.10.11.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.10.11.2", INT, RO, "0", "0..2", 0},
    {"E.12.10.11.3", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.10.11.4", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.10.11.5", INT, RW, "720", "30..99999", 0},
    {"E.12.10.12.1", INT, RW, "0", "0..2", 0},
    {"E.12.10.12.2", INT, RW, "60", "30,60,90,120", 0},
    {"E.12.10.12.3", STR, RW, "0x010000040200", "6", 0},
    {"E.12.10.12.4", STR, RW, "0x0000000A0200", "6", 0},
    {"E.12.10.12.5", STR, RW, "0x1F030200", "4", 0},
    {"E.12.10.12.6", STR, RW, "0x1F0A0300", "4", 0},

    // System log hosts (index 1-4)
    {"E.12.12.2.1.1", INT, NA, nullptr, "1..4", 0},
    {"E.12.12.2.1.2", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.12.2.1.3", INT, RW, "0", "0..7", 0},
    {"E.12.12.2.1.4", INT, RW, "1", "1..3", 0},
    {"E.12.12.2.1.5", INT, RW, "514", "1..65535", 0},
    {"E.12.12.2.1.6", INT, RW, "2", ENABLE23, 0},
    {"E.12.12.2.1.7", INT, RW, "1", ROWSTAT, 0},

    // SMTP control
    {"E.12.29.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.29.1.2", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.29.1.3", INT, RW, "25", "0..65535", 0},
    {"E.12.29.1.4", STR, RW, "", "0..64", 0},
    {"E.12.29.1.5", STR, RW, "", "0..64", 0},
    {"E.12.29.1.6", STR, RW, "", "0..255", 0},
    {"E.12.29.1.7", INT, RW, "2", "1,2", 0},

    // SSL: state, cipher suites, cache timeout; certificate file transfer
    {"E.12.7.1.1", INT, RW, "2", ENABLE23, 0},
    {"E.12.7.1.2", STR, RW, "0xF0", "1", 0},
    {"E.12.7.1.3", GAU, RW, "600", "60..86400", 0},
    {"E.12.7.2.1", IPA, RW, "0.0.0.0", nullptr, 0},
    {"E.12.7.2.2", STR, RW, "", "0..64", 0},
    {"E.12.7.2.3", STR, RW, "", "0..64", 0},
    {"E.12.7.2.4", INT, RW, "1", "1..4", 0},
    {"E.12.7.2.5", INT, RO, "1", "1..3", 0},

    // Safeguard engine thresholds and state
    {"E.12.19.2.1", INT, RW, "30", "20..100", 0},
    {"E.12.19.2.2", INT, RW, "20", "20..100", 0},
    {"E.12.19.2.3", INT, RW, "2", "1,2", 0},
    {"E.12.19.2.4", INT, RW, "3", ENABLE23, 0},
    {"E.12.19.2.5", INT, RO, "1", "1,2", 0},

    // Time ranges (named by a length-prefixed string)
    {"E.12.50.3.1.1.1", STR, NA, nullptr, "1..32", 0},
    {"E.12.50.3.1.1.2", STR, RW, "", "0..64", 0},
    {"E.12.50.3.1.1.3", STR, RW, "00:00:00", "0..8", 0},
    {"E.12.50.3.1.1.4", STR, RW, "23:59:59", "0..8", 0},
    {"E.12.50.3.1.1.5", INT, RW, "1", ROWSTAT, 0},

    // Port security: delete a learnt address
    {"E.11.63.7.2.15.3.1", STR, RW, "", "0..32", 0},
    {"E.11.63.7.2.15.3.2", INT, RW, "0", "0..768", 0},
    {"E.11.63.7.2.15.3.3", STR, RW, "0x000000000000", "6", 0},
    {"E.11.63.7.2.15.3.4", INT, RW, "1", "1,2", 0},

    // Single IP member switches
    {"E.12.8.1.3.1.1", INT, NA, nullptr, "1..32", 0},
    // A member added by ID answers as a switch of the family would.
    {"E.12.8.1.3.1.2", STR, RO, "NX-2400P-{1}", nullptr, 0},
    {"E.12.8.1.3.1.3", STR, RO, "0x0050BA0100{x1}", nullptr, 0},
    {"E.12.8.1.3.1.4", STR, RO, "2.00.009", nullptr, 0},
    {"E.12.8.1.3.1.5", STR, RO, "Member", nullptr, 0},
    {"E.12.8.1.3.1.6", STR, RO, "NX-2400P L2 Switch", nullptr, 0},
    {"E.12.8.1.3.1.7", INT, RO, "100", nullptr, 0},
    {"E.12.8.1.3.1.8", INT, RW, "1", "1..32", 0},
    {"E.12.8.1.3.1.9", STR, RW, "", "0..20", 0},
    {"E.12.8.1.3.1.10", INT, RW, "1", ROWSTAT, 0},
};

const SimTableDef tables[] = {
    {"E.11.63.7.2.2.1.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.2.2.1", "1:i 2:i", "1..28.1,25..26.2", 0, NONE},
    {"E.11.63.7.2.2.3.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.3.1.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.3.2.1", "1:i", "0..3", 0, NONE},
    {"E.11.63.7.2.3.3.1", "1:i", "0..7", 0, NONE},
    {"E.11.63.7.2.3.4.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.4.3.1", "1:i", "", 6, ROWSTATUS},
    {"E.11.63.7.2.4.5.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.4.6.1", "1:i", "", 0, NONE},
    {"E.11.63.7.2.7.3.1", "1:i", "1", 0, NONE},
    {"E.11.63.7.2.7.4.1", "1:i", "1", 0, NONE},
    {"E.11.63.7.2.7.5.1", "1:i 2:a", "", 0, NONE},
    {"E.11.63.7.2.15.1.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.21.2.1.1", "1:i", "1..28", 0, NONE},
    {"E.11.63.7.2.23.1.1", "1:i", "1", 0, NONE},
    {"E.11.63.7.2.24.2.1", "1:i", "", 0, NONE},
    {"E.12.1.2.10.1.1", "1:i", "", 3, ROWSTATUS},
    {"E.12.24.3.1.1", "1:i", "1..24", 0, NONE},
    {"E.12.24.4.1.1", "1:i", "1..24", 0, NONE},
    {"E.12.57.3.1.1", "1:i", "1..28", 0, NONE},
    {"E.12.1.1.2.1", "1:i", "1..8", 0, NONE},
    {"E.12.1.1.8.1", "1:i", "1..28", 0, NONE},
    {"E.12.1.1.9.1", "1:i", "1", 0, NONE},
    {"E.12.1.2.7.1", "1:i", "1,2", 0, NONE},
    {"E.12.1.2.12.2.4.1", "1:s", "6.83.121.115.116.101.109", 0, NONE},
    {"E.12.1.2.1.1", "1:i", "1..3", 0, NONE},
    {"E.12.12.2.1", "1:i", "", 7, ROWSTATUS},
    {"E.12.50.3.1.1", "1:s", "", 5, ROWSTATUS},
    {"E.12.8.1.3.1", "1:i", "", 10, ROWSTATUS},
};

// First the powered devices on the PoE ports with a cable (class, mW,
// decivolts): phones on 1, 3 and 13, access points on 2 and 8, a camera on 5.
const char factory[] = R"(
E.12.24.4.1.1.2.1|2|2
E.12.24.4.1.1.3.1|66|4300
E.12.24.4.1.1.4.1|66|535
E.12.24.4.1.1.2.2|2|3
E.12.24.4.1.1.3.2|66|11200
E.12.24.4.1.1.4.2|66|532
E.12.24.4.1.1.2.3|2|1
E.12.24.4.1.1.3.3|66|3100
E.12.24.4.1.1.4.3|66|536
E.12.24.4.1.1.2.5|2|0
E.12.24.4.1.1.3.5|66|6500
E.12.24.4.1.1.4.5|66|534
E.12.24.4.1.1.2.8|2|3
E.12.24.4.1.1.3.8|66|12800
E.12.24.4.1.1.4.8|66|531
E.12.24.4.1.1.2.13|2|2
E.12.24.4.1.1.3.13|66|5600
E.12.24.4.1.1.4.13|66|533
E.11.63.7.2.2.2.1.4.25.1|2|2
E.12.1.1.2.1.2.1|4|RFC1213-MIB
E.12.1.1.2.1.2.2|4|IF-MIB
E.12.1.1.2.1.2.3|4|BRIDGE-MIB
E.12.1.1.2.1.2.4|4|Q-BRIDGE-MIB
E.12.1.1.2.1.2.5|4|RMON-MIB
E.12.1.1.2.1.2.6|4|LLDP-MIB
E.12.1.1.2.1.2.7|4|IEEE8021-PAE-MIB
E.12.1.1.2.1.2.8|4|NX2400P-L2MGMT-MIB
E.12.1.2.7.1.6.1|2|1
E.12.1.2.7.1.2.2|4|1.00.021
E.12.1.2.7.1.5.2|4|factory
E.12.1.2.1.1.2.1|4|Firmware
E.12.1.2.1.1.5.1|4|NX-2400P_Run_2.00.009.had
E.12.1.2.1.1.2.2|4|Configuration
E.12.1.2.1.1.5.2|4|config.cfg
E.12.1.2.1.1.2.3|4|Log
E.12.1.2.1.1.5.3|4|log.txt
E.12.1.2.1.1.7.3|2|2
)";

} // namespace

const SimMibPart &SimMib::vendor()
{
    static const SimMibPart part{"vendor", objects, std::size(objects), tables, std::size(tables), factory};
    return part;
}
