#pragma once
#include "sim/SimObjectDef.h"
#include "sim/SimValue.h"

#include <cstddef>
#include <vector>

// The simulator's object definitions, one part per MIB group, and its
// behaviour rules. Everything here is data.
namespace SimMib {

const SimMibPart &standard();
const SimMibPart &bridge();
const SimMibPart &lldp();
const SimMibPart &snmpFramework();
const SimMibPart &vendor();
const SimMibPart &security();
const SimMibPart &layer2();
const SimMibPart &accessControl();
const SimMibPart &control();
std::vector<const SimMibPart *> allParts();

// Columns that carry a port's administrative state.
extern const SimAdminRule adminRules[];
extern const std::size_t adminRuleCount;
// Columns that follow a port's link (up value while the link is up).
extern const SimAdminRule linkRules[];
extern const std::size_t linkRuleCount;
// Tables whose rows live under rows of another (access rules under their masks).
extern const SimParentRule parentRules[];
extern const std::size_t parentRuleCount;
// Objects whose write sets something in motion.
extern const SimTriggerDef triggers[];
extern const std::size_t triggerCount;

// Short names for the definition tables.
namespace notation {
inline constexpr std::uint8_t INT = SimValue::Integer;
inline constexpr std::uint8_t STR = SimValue::OctetString;
inline constexpr std::uint8_t OID = SimValue::ObjectId;
inline constexpr std::uint8_t IPA = SimValue::IpAddress;
inline constexpr std::uint8_t C32 = SimValue::Counter32;
inline constexpr std::uint8_t GAU = SimValue::Gauge32;
inline constexpr std::uint8_t TIC = SimValue::TimeTicks;
inline constexpr std::uint8_t C64 = SimValue::Counter64;
inline constexpr SimAccess NA = SimAccess::NotAccessible;
inline constexpr SimAccess RO = SimAccess::ReadOnly;
inline constexpr SimAccess RW = SimAccess::ReadWrite;
// The traffic a counter counts (without: frames either way).
inline constexpr SimFlow RX = SimFlow::Received;
inline constexpr SimFlow TX = SimFlow::Sent;
inline constexpr SimFlow RXERR = SimFlow::InErrors;
inline constexpr SimFlow TXDISC = SimFlow::OutDiscards;
inline constexpr SimRowControl NONE = SimRowControl::None;
inline constexpr SimRowControl ROWSTATUS = SimRowControl::RowStatus;
inline constexpr SimRowControl FILTER = SimRowControl::FilterStatus;
inline constexpr SimRowControl ADDDELETE = SimRowControl::AddDelete;
// Frequent value sets.
inline constexpr const char *TRUTH = "1,2";      // true(1), false(2)
inline constexpr const char *ENABLE12 = "1,2";   // enabled(1), disabled(2)
inline constexpr const char *ENABLE23 = "2,3";   // disabled(2), enabled(3)
inline constexpr const char *ROWSTAT = "1..6";
inline constexpr const char *PORTLIST = "0..128"; // octets of a port list
inline constexpr const char *ALLPORTS = "0xFFFFFFF000000000";
inline constexpr const char *NOPORTS = "0x0000000000000000";
} // namespace notation

} // namespace SimMib
