#include "tables/SnmpV3Menu.h"

#include "tables/CommonOptions.h"
#include "tables/MenuRecords.h"

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
using namespace MenuRecords;

constexpr quint32 kImpliedKey = A::notaccess | A::implied;

// ---------------------------------------------------------------------------
// Option lists

const QxOptionPair kMessageProcessingModel[] = {{0, "snmpv1"}, {1, "snmpv2c"}, {2, "snmpv2u"}, {3, "snmpv3"},
                                                {0, nullptr}};
const QxOptionList messageProcessingModel(kMessageProcessingModel);

const QxOptionPair kSecurityModel[] = {{0, "any"}, {1, "snmpv1"}, {2, "snmpv2c"}, {3, "usm"}, {0, nullptr}};
const QxOptionList securityModel(kSecurityModel);

const QxOptionPair kSecurityLevel[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const QxOptionList securityLevel(kSecurityLevel);

const QxOptionPair kContextMatch[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};
const QxOptionList contextMatch(kContextMatch);

const QxOptionPair kIncludedExcluded[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
const QxOptionList includedExcluded(kIncludedExcluded);

const QxOptionPair kNotifyType[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
const QxOptionList notifyType(kNotifyType);

// The protocols are object identifiers: string values shown as their names.
// SHA-2 (RFC 7860) and AES (RFC 3826; the 192- and 256-bit keys as agents
// commonly name them, with the key extension of the Blumenthal draft or Cisco's).
const QxOptionStringPair kAuthProtocols[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                             {"1.3.6.1.6.3.10.1.1.2", "HMAC-MD5"},
                                             {"1.3.6.1.6.3.10.1.1.3", "HMAC-SHA"},
                                             {"1.3.6.1.6.3.10.1.1.4", "HMAC-SHA-224"},
                                             {"1.3.6.1.6.3.10.1.1.5", "HMAC-SHA-256"},
                                             {"1.3.6.1.6.3.10.1.1.6", "HMAC-SHA-384"},
                                             {"1.3.6.1.6.3.10.1.1.7", "HMAC-SHA-512"},
                                             {nullptr, nullptr}};
const QxOptionList authProtocols(kAuthProtocols, QxOptionList::StringValues);

const QxOptionStringPair kPrivProtocols[] = {{"1.3.6.1.6.3.10.1.2.1", "None"},
                                             {"1.3.6.1.6.3.10.1.2.2", "CBC-DES"},
                                             {"1.3.6.1.6.3.10.1.2.4", "AES-128"},
                                             {"1.3.6.1.4.1.14832.1.3", "AES-192"},
                                             {"1.3.6.1.4.1.14832.1.4", "AES-256"},
                                             {"1.3.6.1.4.1.9.12.6.1.1", "AES-192 (Cisco)"},
                                             {"1.3.6.1.4.1.9.12.6.1.2", "AES-256 (Cisco)"},
                                             {nullptr, nullptr}};
const QxOptionList privProtocols(kPrivProtocols, QxOptionList::StringValues);

// ---------------------------------------------------------------------------
// Engine and message processing (SNMP-FRAMEWORK-MIB, SNMP-MPD-MIB)

const QxSNMPVarItem kSnmpEngine[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", S::octetstr, A::readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boots", S::integer, A::readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", S::integer, A::readonly, nullptr},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", S::integer, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kMpdStatistics[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Msgs", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", S::counter, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// SNMP-TARGET-MIB

// The target MIB's scalars: the spin lock (.1) and the two context counters
// (.4, .5); .2 and .3 are the address and parameter tables.
const QxSNMPVarItem kTargetGeneral[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", S::counter, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", S::displaystr, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", S::objectid, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", S::bitstr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", S::integer, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};
const RowFormat kTargetAddressFormats[] = {{4, "%i{n0x255l3}"}, {-1, nullptr}};

const QxSNMPVarItem kTargetParameters[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Params Name", S::displaystr, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.2", "Params MP Model", S::integer, A::readwrite, &messageProcessingModel},
    {"1.3.6.1.6.3.12.1.3.1.3", "Params Security Model", S::integer, A::readwrite, &securityModel},
    {"1.3.6.1.6.3.12.1.3.1.4", "Params Security Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.5", "Params Security Level", S::integer, A::readwrite, &securityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "Params Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// ---------------------------------------------------------------------------
// SNMP-USER-BASED-SM-MIB

const QxSNMPVarItem kUsmStatistics[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Sec Levels", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.2", "Not In Time Windows", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Names", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown Engine IDs", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digests", S::counter, A::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Errors", S::counter, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kUsmUserTable[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "User Engine ID", S::octetstr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "User Security Name", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "User Clone From", S::objectid, A::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "User Auth Protocol", S::objectid, A::readwrite, &authProtocols},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "User Auth Key Change", S::octetstr, A::readwrite | A::secret, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "User Own Auth Key Change", S::octetstr, A::readwrite | A::secret, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "User Priv Protocol", S::objectid, A::readwrite, &privProtocols},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "User Priv Key Change", S::octetstr, A::readwrite | A::secret, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "User Own Priv Key Change", S::octetstr, A::readwrite | A::secret, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "User Public", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "User Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "User Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// ---------------------------------------------------------------------------
// SNMP-VIEW-BASED-ACM-MIB

const QxSNMPVarItem kSecurityGroupTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", S::integer, A::notaccess, &securityModel},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// vacmAccessTable: its first key is the group name (the column of the
// security-to-group table), then its own three index columns.
const QxSNMPVarItem kAccessTable[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "Security Model", S::integer, A::notaccess, &securityModel},
    {"1.3.6.1.6.3.16.1.4.1.3", "Security Level", S::integer, A::notaccess, &securityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Context Match", S::integer, A::readwrite, &contextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Read View Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.6", "Write View Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.7", "Notify View Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.8", "Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

const QxSNMPVarItem kViewTreeFamilyTable[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree", S::objectid, A::notaccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Type", S::integer, A::readwrite, &includedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// ---------------------------------------------------------------------------
// SNMP-NOTIFICATION-MIB

const QxSNMPVarItem kNotifyTable[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Notify Name", S::displaystr, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.2", "Notify Tag", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.3", "Notify Type", S::integer, A::readwrite, &notifyType},
    {"1.3.6.1.6.3.13.1.1.1.4", "Notify Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Notify Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// snmpNotifyFilterProfileTable is indexed by the (implied) target-params name.
const QxSNMPVarItem kNotifyFilterProfileTable[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", S::displaystr, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Storage Type", S::integer, A::readwrite,
     &CommonOptions::storageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", S::integer, A::readwrite,
     &CommonOptions::rowStatus},
    {},
};

// snmpNotifyFilterTable: keys the profile name and the (implied) subtree.
const QxSNMPVarItem kNotifyFilterTable[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", S::objectid, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", S::integer, A::readwrite, &includedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// ---------------------------------------------------------------------------
// SNMP-COMMUNITY-MIB

const QxSNMPVarItem kCommunityTable[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Community Index", S::displaystr, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.2", "Community Name", S::displaystr, A::readwrite | A::secret, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.3", "Community Security Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.4", "Community Context Engine ID", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.5", "Community Context Name", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.6", "Community Transport Tag", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.7", "Community Storage Type", S::integer, A::readwrite, &CommonOptions::storageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Community Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// snmpTargetAddrExtTable: the community MIB's extension of the target
// address table, indexed like it.
const QxSNMPVarItem kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", S::displaystr, kImpliedKey, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", S::integer, A::readwrite, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// The menu

constexpr auto E = CommandShape::Editor;
constexpr auto T = CommandShape::Table;

const CommandRecord kRecords[] = {
    {.depth = 0, .caption = "SNMP Engine", .shape = E, .items = kSnmpEngine, .title = "SNMP Engine",
     .joiner = ": ", .valueWidth = 150},
    nothing(0, "Snmp Framework MIB"),
    {.depth = 0, .caption = "Message Processing and Dispatching", .shape = E, .items = kMpdStatistics,
     .title = "Message Processingand Dispatching", .joiner = ": "},

    menu(0, "SNMP Target MIB"),
    {.depth = 1, .caption = "General Information", .shape = E, .items = kTargetGeneral,
     .title = "General Information", .joiner = ": "},
    {.depth = 1, .caption = "Target Address Table", .shape = T, .items = kTargetAddressTable, .kind = MVT_UMV,
     .keyCount = 1, .title = "Target Address Table", .joiner = ": ", .rowStatusColumn = 8,
     .formats = kTargetAddressFormats},
    {.depth = 1, .caption = "Target Parameters", .shape = T, .items = kTargetParameters, .kind = MVT_UMV,
     .keyCount = 1, .title = "Target Parameters", .joiner = ": ", .rowStatusColumn = 6},

    menu(0, "User-based Security Model"),
    {.depth = 1, .caption = "Statistics", .shape = E, .items = kUsmStatistics, .title = "Statistics",
     .joiner = ": "},
    {.depth = 1, .caption = "User Table", .shape = T, .items = kUsmUserTable, .kind = MVT_UMV, .keyCount = 2,
     .title = "User Table", .joiner = ": ", .rowStatusColumn = 12},

    menu(0, "View-base Access Control Mode"),
    {.depth = 1, .caption = "Security Group Table", .shape = T, .items = kSecurityGroupTable, .kind = MVT_UMV,
     .keyCount = 2, .title = "Security Group Table", .joiner = ": ", .rowStatusColumn = 4},
    {.depth = 1, .caption = "Access Table", .shape = T, .items = kAccessTable, .kind = MVT_UMV, .keyCount = 4,
     .title = "Access Table", .joiner = ": ", .rowStatusColumn = 9},
    {.depth = 1, .caption = "View MIB Tree Family Table", .shape = T, .items = kViewTreeFamilyTable,
     .kind = MVT_UMV, .keyCount = 2, .title = "View MIB Tree Family Table", .joiner = ": ", .rowStatusColumn = 5},

    menu(0, "Notifications"),
    {.depth = 1, .caption = "Notify Table", .shape = T, .items = kNotifyTable, .kind = MVT_UMV, .keyCount = 1,
     .title = "Notify Table", .joiner = ": ", .rowStatusColumn = 4},
    {.depth = 1, .caption = "Notify Filter Profile Table", .shape = T, .items = kNotifyFilterProfileTable,
     .kind = MVT_UMV, .keyCount = 1, .title = "Notify Filter Profile Table", .joiner = ": ",
     .rowStatusColumn = 3},
    {.depth = 1, .caption = "Notify Filter Entry Table", .shape = T, .items = kNotifyFilterTable,
     .kind = MVT_UMV, .keyCount = 2, .title = "Notify Filter Table", .joiner = ": ", .rowStatusColumn = 5},

    menu(0, "Community"),
    {.depth = 1, .caption = "Community String Table", .shape = T, .items = kCommunityTable, .kind = MVT_UMV,
     .keyCount = 1, .title = "SNMP Community Table", .joiner = ": ", .rowStatusColumn = 7},
    {.depth = 1, .caption = "Target Address Table", .shape = T, .items = kCommunityTargetAddressTable,
     .kind = MVT_UMV, .keyCount = 1, .title = "Target Address Table", .joiner = ": "},
    end(),
};

} // namespace

const CommandGroup snmpV3MenuGroup = {"SNMP V3", kRecords};
