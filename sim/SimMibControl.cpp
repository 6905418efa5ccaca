// The simulator's own control subtree (fault injection and counters of what
// the agent did), and the behaviour rules that tie objects together.
#include "sim/SimMib.h"

#include "sim/SimCatalogue.h"
#include "sim/SimControl.h"

using namespace SimMib::notation;

namespace {

// Root: SimControl::root (1.3.6.1.3.2400.1), outside the vendor's MIB.
const SimObjectDef objects[] = {
    {"1.3.6.1.3.2400.1.1", INT, RW, "0", "0..100", 0},        // drop percent
    {"1.3.6.1.3.2400.1.2", INT, RW, "0", "0..60000", 0},      // reply delay, ms
    {"1.3.6.1.3.2400.1.3", INT, RW, "0", "0..3600", 0},       // silent for N seconds
    {"1.3.6.1.3.2400.1.4", INT, RW, "1", "1..3", 0},          // GET-NEXT: normal 1, repeat 2, backwards 3
    {"1.3.6.1.3.2400.1.5", OID, RW, "0.0", nullptr, 0},       // ...for requests below this prefix (0.0: all)
    {"1.3.6.1.3.2400.1.6", C32, RO, "0", nullptr, 0},         // saves recorded
    {"1.3.6.1.3.2400.1.7", C32, RO, "0", nullptr, 0},         // reboots performed
    {"1.3.6.1.3.2400.1.8", INT, RW, "4", "0..60", 0},         // seconds a reboot keeps the agent silent
    {"1.3.6.1.3.2400.1.9", INT, RW, "1", "1,2", 0},           // write 2: every fault back to its default
    {"1.3.6.1.3.2400.1.10.1.1", INT, NA, nullptr, "1..64", 0},// error table: index
    {"1.3.6.1.3.2400.1.10.1.2", OID, RW, "0.0", nullptr, 0},  // OID prefix the error applies to
    {"1.3.6.1.3.2400.1.10.1.3", INT, RW, "5", "1..18", 0},    // error status to answer (5 genErr)
    {"1.3.6.1.3.2400.1.10.1.4", INT, RW, "1", "1..3", 0},     // requests: all 1, reads 2, writes 3
    {"1.3.6.1.3.2400.1.10.1.5", INT, RW, "1", ROWSTAT, 0},    // RowStatus
    {"1.3.6.1.3.2400.1.11", INT, RW, "1", "1..3", 0},         // reply values: as stored 1, another type 2, overlong 3
    {"1.3.6.1.3.2400.1.12", OID, RW, "0.0", nullptr, 0},      // ...for instances below this prefix (0.0: all)
    {"1.3.6.1.3.2400.1.13", C32, RO, "0", nullptr, 0},        // SETs recorded (applied SETs outside this subtree)
    {"1.3.6.1.3.2400.1.15", C32, RO, "0", nullptr, 0},        // SMTP test mails sent
    {"1.3.6.1.3.2400.1.16", INT, RW, "1", "1..3", 0},         // GETBULK: answered 1, genErr 2, ignored 3
    {"1.3.6.1.3.2400.1.17", C32, RO, "0", nullptr, 0},        // GETBULK requests received
    {"1.3.6.1.3.2400.1.14.1.1", INT, NA, nullptr, "1..1000", 0}, // last SET: binding number
    {"1.3.6.1.3.2400.1.14.1.2", OID, RO, nullptr, nullptr, 0}, // ...its instance
    {"1.3.6.1.3.2400.1.14.1.3", STR, RO, nullptr, nullptr, 0}, // ...its value as a state-file line has it: "TAG|VALUE"
};

const SimTableDef tables[] = {
    {"1.3.6.1.3.2400.1.10.1", "1:i", "", 5, ROWSTATUS},
    {"1.3.6.1.3.2400.1.14.1", "1:i", "", 0, NONE},
};

} // namespace

const SimMibPart &SimMib::control()
{
    static const SimMibPart part{"control", objects, std::size(objects), tables, std::size(tables), nullptr};
    return part;
}

std::vector<const SimMibPart *> SimMib::allParts()
{
    // The module's command catalogue completes the hand-made parts (SimCatalogue.h).
    return SimCatalogue::complete(
        {&standard(), &bridge(), &lldp(), &snmpFramework(), &vendor(), &security(), &layer2(), &accessControl(), &control()});
}

const SimAdminRule SimMib::adminRules[] = {
    {"1.3.6.1.2.1.2.2.1.7", 1, 2},   // ifAdminStatus
    {"E.11.63.7.2.2.2.1.3", 3, 2},   // port control: admin state
};
const std::size_t SimMib::adminRuleCount = std::size(SimMib::adminRules);

const SimAdminRule SimMib::linkRules[] = {
    {"1.3.6.1.2.1.2.2.1.8", 1, 2},   // ifOperStatus
    {"E.11.63.7.2.2.1.1.2", 2, 3},   // port information: link status
};
const std::size_t SimMib::linkRuleCount = std::size(SimMib::linkRules);

const SimTriggerDef SimMib::triggers[] = {
    {"E.12.1.2.6.0", "2..5", SimAction::Save, nullptr, 1},
    {"E.12.1.2.3.0", "2,3", SimAction::Reboot, nullptr, 1},
    {"E.12.1.2.3.0", "4", SimAction::FactoryReboot, nullptr, 1},
    {"E.11.63.7.2.1.2.1.0", "3", SimAction::Save, nullptr, 1},
    {"E.11.63.7.2.1.2.1.0", "2,3", SimAction::Reboot, nullptr, 1},
    {"E.11.63.7.2.1.2.1.0", "4", SimAction::FactoryReboot, nullptr, 1},
    {"E.11.63.7.2.1.2.12.0", "2", SimAction::ClearCounters, nullptr, 1},
    {"E.12.1.2.11.1.0", "2", SimAction::ClearTable, "1.3.6.1.2.1.17.7.1.2.2", 1},
    {"E.12.1.2.12.1.0", "2", SimAction::ClearTable, "1.3.6.1.2.1.4.22", 1},
    {"E.12.1.2.10.2.0", "2", SimAction::ClearTable, "E.12.1.2.10.1", 1},
    {"E.12.9.2.5.0", "2", SimAction::ClearTable, "E.12.9.2.1,E.12.9.2.2,E.12.9.2.3,E.12.9.3", 1},
    {"E.11.63.7.2.7.12.2.3.0", "1..3", SimAction::ClearTable, "E.11.63.7.2.7.10,E.11.63.7.2.7.11", 4},
    {"E.12.30.1.3.0", "2", SimAction::ResetValues, "E.12.30.1.1.0,E.12.30.1.2.0", 1},
    {"E.11.63.7.2.15.3.4.0", "2", SimAction::DeleteLearnt, nullptr, 1},
    {"1.3.6.1.3.2400.1.3.0", "1..3600", SimAction::Silence, nullptr, 0},
    {"1.3.6.1.3.2400.1.9.0", "2", SimAction::ClearFaults, nullptr, 1},
    {"E.12.29.1.7.0", "1", SimAction::TestMail, nullptr, 2},
    {"E.12.1.2.1.1.8.1", "3", SimAction::Transfer, nullptr, 3},
    {"E.12.1.2.1.1.8.2", "3", SimAction::Transfer, nullptr, 3},
    {"E.12.1.2.1.1.8.3", "3", SimAction::Transfer, nullptr, 3},
    // The SSL certificate's download runs like an update file's; a delete
    // leaves the switch without one.
    {"E.12.7.2.4.0", "3", SimAction::Transfer, nullptr, 3},
    {"E.12.7.2.4.0", "4", SimAction::ResetValues, "E.12.7.2.5.0", 2},
};
const std::size_t SimMib::triggerCount = std::size(SimMib::triggers);
