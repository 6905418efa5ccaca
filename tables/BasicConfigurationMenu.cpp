#include "tables/BasicConfigurationMenu.h"

#include "tables/CommonOptions.h"
#include "tables/MenuRecords.h"

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;
using namespace MenuRecords;

// ---------------------------------------------------------------------------
// Option lists

const QxOptionPair kOtherStart[] = {{1, "other"}, {2, "start"}, {0, nullptr}};
const QxOptionList otherStart(kOtherStart);

const QxOptionPair kNoneStart[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const QxOptionList noneStart(kNoneStart);

const QxOptionPair kSaveArea[] = {{1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"}, {5, "all"}, {0, nullptr}};
const QxOptionList saveArea(kSaveArea);

const QxOptionPair kImageBoot[] = {{1, "boot-up"}, {2, "backup"}, {0, nullptr}};
const QxOptionList imageBoot(kImageBoot);

const QxOptionPair kBaudRate[] = {{1, "2400bps"}, {2, "9600bps"}, {3, "19200bps"}, {4, "38400bps"},
                                  {5, "115200bps"}, {0, nullptr}};
const QxOptionList baudRate(kBaudRate);

const QxOptionPair kParity[] = {{1, "none"}, {2, "odd"}, {3, "even"}, {0, nullptr}};
const QxOptionList parity(kParity);

const QxOptionPair kAutoLogout[] = {{1, "never"}, {2, "2-minutes"}, {3, "5-minutes"}, {4, "10-minutes"},
                                    {5, "15-minutes"}, {0, nullptr}};
const QxOptionList autoLogout(kAutoLogout);

const QxOptionPair kTimeSource[] = {{1, "system"}, {2, "sntp"}, {0, nullptr}};
const QxOptionList timeSource(kTimeSource);

const QxOptionPair kOffsetDirection[] = {{1, "plus"}, {2, "minus"}, {0, nullptr}};
const QxOptionList offsetDirection(kOffsetDirection);

const QxOptionPair kLogSaveMode[] = {{1, "on-demand"}, {2, "time-interval"}, {3, "log-trigger"}, {0, nullptr}};
const QxOptionList logSaveMode(kLogSaveMode);

const QxOptionPair kCablePortType[] = {{0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}, {0, nullptr}};
const QxOptionList cablePortType(kCablePortType);

const QxOptionPair kCableLinkStatus[] = {{0, "link-down"}, {1, "link-up"}, {2, "other"}, {0, nullptr}};
const QxOptionList cableLinkStatus(kCableLinkStatus);

const QxOptionPair kCablePairStatus[] = {{0, "ok"},        {1, "open"},     {2, "short"},
                                         {3, "open-short"}, {4, "crosstalk"}, {5, "unknown"},
                                         {6, "count"},     {7, "no-cable"}, {8, "other"},
                                         {0, nullptr}};
const QxOptionList cablePairStatus(kCablePairStatus);

const QxOptionPair kCableAction[] = {{1, "action"}, {2, "no-action"}, {0, nullptr}};
const QxOptionList cableAction(kCableAction);

// InetAddressType as the switch reports it for its ping and trace-route tests.
const QxOptionPair kInetAddressType[] = {{1, "ipv4"}, {2, "ipv6"}, {16, "dns"}, {0, nullptr}};
const QxOptionList inetAddressType(kInetAddressType);

const QxOptionPair kTestStatus[] = {{1, "enabled"}, {2, "disabled"}, {3, "completed"}, {0, nullptr}};
const QxOptionList testStatus(kTestStatus);

const QxOptionPair kResponseStatus[] = {{1, "responseReceived"},
                                        {2, "unknown"},
                                        {3, "internalError"},
                                        {4, "requestTimedOut"},
                                        {5, "unknownDestinationAddress"},
                                        {6, "noRouteToTarget"},
                                        {7, "interfaceInactiveToTarget"},
                                        {8, "arpFailure"},
                                        {9, "maxConcurrentLimitReached"},
                                        {10, "unableToResolveDnsName"},
                                        {11, "invalidHostAddress"},
                                        {0, nullptr}};
const QxOptionList responseStatus(kResponseStatus);

// ---------------------------------------------------------------------------
// Agent management (vendor agent MIB, EnterpriseBase.12.1)

const QxSNMPVarItem kBasicInformation[] = {
    {"EnterpriseBase.12.1.1.1", "Firmware Version", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.3", "Hardware Version", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.4", "Boot PROM Version", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.5", "Serial Number", S::displaystr, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kMibCapabilities[] = {
    {"EnterpriseBase.12.1.1.2.1.1", "MIB Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.1.2.1.2", "MIB Name", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.2.1.3", "MIB Version", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.2.1.4", "MIB Description", S::displaystr, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kBasicManagement[] = {
    {"EnterpriseBase.12.1.2.4", "Telnet State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.1.2.5", "Telnet Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.8", "Web State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.1.2.9", "Web Port", S::integer, A::readwrite, nullptr},
    {},
};

const QxSNMPVarItem kCpuUtilization[] = {
    {"EnterpriseBase.12.1.1.6.1", "CPU Utilization Five Seconds (%)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.6.2", "CPU Utilization One Minute (%)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.6.3", "CPU Utilization Five Minutes (%)", S::integer, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kDramUtilization[] = {
    {"EnterpriseBase.12.1.1.9.1.1", "DRAM Unit ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.1.9.1.2", "DRAM Total Size (KB)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.9.1.3", "DRAM Used Size (KB)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.9.1.4", "DRAM Utilization (%)", S::integer, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kPortUtilization[] = {
    {"EnterpriseBase.12.1.1.8.1.1", "Port Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.1.8.1.2", "Port TX Rate (packets/s)", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.8.1.3", "Port RX Rate (packets/s)", S::guage, A::readonly, nullptr},
    {"EnterpriseBase.12.1.1.8.1.4", "Port Utilization (%)", S::integer, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kMultipleImage[] = {
    {"EnterpriseBase.12.1.2.7.1.1", "Image ID", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.2.7.1.2", "Image Version", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.2.7.1.3", "Image Size (Bytes)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.2.7.1.4", "Image Update Time", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.2.7.1.5", "Image From", S::displaystr, A::readonly, nullptr},
    {"EnterpriseBase.12.1.2.7.1.6", "Image Boot State", S::integer, A::readwrite, &imageBoot},
    {},
};

const QxSNMPVarItem kConsoleModeControl[] = {
    {"EnterpriseBase.12.1.5.1", "Console Baud Rate", S::integer, A::readwrite, &baudRate},
    {"EnterpriseBase.12.1.5.2", "Console Data Bits", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.5.3", "Console Parity", S::integer, A::readonly, &parity},
    {"EnterpriseBase.12.1.5.4", "Console Stop Bits", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.1.5.5", "Console Auto Logout", S::integer, A::readwrite, &autoLogout},
    {},
};

const QxSNMPVarItem kArpClearAll[] = {
    {"EnterpriseBase.12.1.2.12.1", "ARP Clear All State", S::integer, A::readwrite, &otherStart},
    {},
};

const QxSNMPVarItem kGratuitousArpInformation[] = {
    {"EnterpriseBase.12.1.2.12.2.1", "Send On IP Interface Status Up", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.1.2.12.2.2", "Send On Duplicate IP Detected", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.1.2.12.2.3", "Gratuitous ARP Learning", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {},
};

const QxSNMPVarItem kGratuitousArpTable[] = {
    {"EnterpriseBase.12.1.2.12.2.4.1.1", "IP Interface Name", S::displaystr, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.2.12.2.4.1.2", "Gratuitous ARP Trap", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.1.2.12.2.4.1.3", "Gratuitous ARP Log", S::integer, A::readwrite,
     &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.1.2.12.2.4.1.4", "Periodical Send Interval (sec)", S::integer, A::readwrite, nullptr},
    {},
};

const QxSNMPVarItem kFdbClearAll[] = {
    {"EnterpriseBase.12.1.2.11.1", "FDB Clear All State", S::integer, A::readwrite, &otherStart},
    {},
};

const QxSNMPVarItem kTrustHostTable[] = {
    {"EnterpriseBase.12.1.2.10.1.1.1", "Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.1.2.10.1.1.2", "IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.10.1.1.4", "Subnet Mask", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.1.2.10.1.1.3", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

const QxSNMPVarItem kTrustHostDeleteAll[] = {
    {"EnterpriseBase.12.1.2.10.2", "Trust Host Delete All", S::integer, A::readwrite, &noneStart},
    {},
};

const QxSNMPVarItem kSaveChanges[] = {
    {"EnterpriseBase.12.1.2.6", "Save", S::integer, A::readwrite, &saveArea},
    {},
};

// ---------------------------------------------------------------------------
// Time management (EnterpriseBase.12.10; network and summer time have dialogs)

const QxSNMPVarItem kCurrentTime[] = {
    {"EnterpriseBase.12.10.1", "Current Time Source", S::integer, A::readonly, &timeSource},
    {"EnterpriseBase.12.10.2", "Current Time", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.8", "Boot Time", S::displaystr, A::readonly, nullptr},
    {},
};
const RowFormat kCurrentTimeFormats[] = {{1, "%s{l21}"}, {-1, nullptr}};

const QxSNMPVarItem kSystemTime[] = {
    {"EnterpriseBase.12.10.3", "System Date", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.4", "System Clock", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.5", "Time Zone Offset Direction", S::integer, A::readwrite, &offsetDirection},
    {"EnterpriseBase.12.10.6", "Time Zone Offset Hours", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.10.7", "Time Zone Offset Minutes", S::integer, A::readwrite, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// System log and SMTP (the log host table and SMTP control have dialogs)

const QxSNMPVarItem kSystemLogManagement[] = {
    {"EnterpriseBase.12.12.1", "System Log Global State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.12.3", "System Log Save Mode", S::integer, A::readwrite, &logSaveMode},
    {"EnterpriseBase.12.12.4", "System Log Save Interval (min)", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.12.5", "System Log Clear", S::integer, A::readwrite, &noneStart},
    {},
};
const RowFormat kSystemLogManagementFormats[] = {{2, "%i{n1x65535l5}"}, {-1, nullptr}};

const QxSNMPVarItem kSmtpInformation[] = {
    {"EnterpriseBase.12.29.2.1", "SMTP Server Information", S::displaystr, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kSmtpMailReceivers[] = {
    {"EnterpriseBase.12.29.3.1.1.1", "Mail Receiver Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.29.3.1.1.2", "Mail Receiver Address", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.29.3.1.1.3", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// ---------------------------------------------------------------------------
// Cable diagnostics (EnterpriseBase.12.58)

const QxSNMPVarItem kCableDiagnostics[] = {
    {"EnterpriseBase.12.58.1.1.1.1", "Port", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.58.1.1.1.2", "Port Type", S::integer, A::readonly, &cablePortType},
    {"EnterpriseBase.12.58.1.1.1.3", "Link Status", S::integer, A::readonly, &cableLinkStatus},
    {"EnterpriseBase.12.58.1.1.1.4", "Pair1 Status", S::integer, A::readonly, &cablePairStatus},
    {"EnterpriseBase.12.58.1.1.1.5", "Pair2 Status", S::integer, A::readonly, &cablePairStatus},
    {"EnterpriseBase.12.58.1.1.1.6", "Pair3 Status", S::integer, A::readonly, &cablePairStatus},
    {"EnterpriseBase.12.58.1.1.1.7", "Pair4 Status", S::integer, A::readonly, &cablePairStatus},
    {"EnterpriseBase.12.58.1.1.1.8", "Pair1 Fault Distance (M)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.58.1.1.1.9", "Pair2 Fault Distance (M)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.58.1.1.1.10", "Pair3 Fault Distance (M)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.58.1.1.1.11", "Pair4 Fault Distance (M)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.58.1.1.1.12", "Cable Length (M)", S::integer, A::readonly, nullptr},
    {"EnterpriseBase.12.58.1.1.1.13", "Test Action", S::integer, A::readwrite, &cableAction},
    {},
};

// ---------------------------------------------------------------------------
// IF-MIB and EtherLike-MIB

// The ifIndex key followed by every column of ifXTable: the rows the caption
// promises (the catalogue's first OID is the key's).
const QxSNMPVarItem kIfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", S::displaystr, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Pkts", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Pkts", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Pkts", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Pkts", S::counter, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Ucast Pkts", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Pkts", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Pkts", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Ucast Pkts", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Pkts", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Pkts", S::counter64, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap Enable", S::integer, A::readwrite,
     &CommonOptions::enabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", S::integer, A::readwrite, &CommonOptions::trueFalse},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", S::integer, A::readonly, &CommonOptions::trueFalse},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", S::displaystr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.19", "Counter Discontinuity Time", S::timeticks, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kDot3Collisions[] = {
    {"", "IF Index", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.5.1.2", "Coll Count", S::integer, A::notaccess, nullptr},
    {"1.3.6.1.2.1.10.7.5.1.3", "Coll Frequencies", S::counter, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// DISMAN-PING-MIB

const QxSNMPVarItem kPingMaxConcurrent[] = {
    {"1.3.6.1.2.1.80.1.1", "Ping Max Concurrent Requests", S::guage, A::readwrite, nullptr},
    {},
};

// The keys, the target and probe count, the switch that starts the test and
// the row status (.23): what a test needs when it is created with createAndGo.
const QxSNMPVarItem kPingControl[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.3", "Target Address Type", S::integer, A::readwrite, &inetAddressType},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", S::guage, A::readwrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", S::integer, A::readwrite, &CommonOptions::enabledDisabled},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

// The target address is an InetAddress (raw octets, shown as hex) and the last
// good probe a DateAndTime.
const QxSNMPVarItem kPingResults[] = {
    {"", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operational Status", S::integer, A::readonly, &CommonOptions::enabledDisabled},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", S::integer, A::readonly, &inetAddressType},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", S::octetstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max RTT", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", S::datetime, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kPingProbeHistory[] = {
    {"", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.1", "History Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.2", "Response", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.3", "Status", S::integer, A::readonly, &responseStatus},
    {"1.3.6.1.2.1.80.1.4.1.4", "Last RC", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.80.1.4.1.5", "Time", S::datetime, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// DISMAN-TRACEROUTE-MIB

const QxSNMPVarItem kTraceRouteMaxConcurrent[] = {
    {"1.3.6.1.2.1.81.1.1", "Trace Route Max Concurrent Requests", S::guage, A::readwrite, nullptr},
    {},
};

// As for ping: the columns a new test needs, then the row status (.27).
const QxSNMPVarItem kTraceRouteControl[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", S::integer, A::readwrite, &inetAddressType},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", S::octetstr, A::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", S::guage, A::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", S::guage, A::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", S::guage, A::readwrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", S::integer, A::readwrite, &CommonOptions::enabledDisabled},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", S::integer, A::readwrite, &CommonOptions::rowStatus},
    {},
};

const QxSNMPVarItem kTraceRouteResults[] = {
    {"", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operational Status", S::integer, A::readonly, &testStatus},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", S::integer, A::readonly, &inetAddressType},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", S::octetstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", S::datetime, A::readonly, nullptr},
    {},
};

// Five index parts: owner, test, history, hop and probe index.
const QxSNMPVarItem kTraceRouteProbeHistory[] = {
    {"", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.1", "History Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.2", "Hop Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.3", "Probe Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.4", "Hop Address Type", S::integer, A::readonly, &inetAddressType},
    {"1.3.6.1.2.1.81.1.4.1.5", "Hop Address", S::octetstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.6", "Response", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.7", "Status", S::integer, A::readonly, &responseStatus},
    {"1.3.6.1.2.1.81.1.4.1.8", "Last RC", S::integer, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.4.1.9", "Time", S::datetime, A::readonly, nullptr},
    {},
};

const QxSNMPVarItem kTraceRouteHops[] = {
    {"", "Owner Index", S::displaystr, A::notaccess, nullptr},
    {"", "Test Name", S::displaystr, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", S::guage, A::notaccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", S::integer, A::readonly, &inetAddressType},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", S::octetstr, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min RTT", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max RTT", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average RTT", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.7", "RTT Sum Of Squares", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", S::guage, A::readonly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.10", "Last Good Probe", S::datetime, A::readonly, nullptr},
    {},
};

// ---------------------------------------------------------------------------
// The menu

constexpr auto E = CommandShape::Editor;
constexpr auto T = CommandShape::Table;

const CommandRecord kRecords[] = {
    nothing(0, "Moudle Basic Configuration"),
    menu(0, "Device Management", true),
    menu(0, "Equipment Management", true),

    menu(0, "Agent Management"),
    {.depth = 1, .caption = "Basic Information", .shape = E, .items = kBasicInformation,
     .title = "Basic Information", .joiner = " : "},
    {.depth = 1, .caption = "MIB Capabilities", .shape = T, .items = kMibCapabilities, .kind = MVT_FMV,
     .keyCount = 1, .title = "MIB Capabilities", .joiner = " : ", .height = 450},
    {.depth = 1, .caption = "Basic Management", .shape = E, .items = kBasicManagement,
     .title = "Basic Management", .joiner = " : "},
    separator(1),
    {.depth = 1, .caption = "CPU Utilization", .shape = E, .items = kCpuUtilization,
     .title = "CPU Utilization", .joiner = " : "},
    {.depth = 1, .caption = "DRAM Utilization", .shape = T, .items = kDramUtilization, .kind = MVT_FMV,
     .keyCount = 1, .title = "DRAM Utilization Table", .joiner = " : "},
    {.depth = 1, .caption = "Port Utilization", .shape = T, .items = kPortUtilization, .kind = MVT_FMV,
     .keyCount = 1, .title = "Port Utilization Table", .joiner = " : "},
    separator(1),
    dedicated(1, "Agent Supported Update Files", "TfrmAgentSupportedUpdateFiles", "Agent Supported Update Files",
              ": "),
    {.depth = 1, .caption = "Multiple Image Management", .shape = T, .items = kMultipleImage, .kind = MVT_UMV,
     .keyCount = 1, .title = "Multiple Image Management", .joiner = " : ", .height = 450},
    nothing(1, "Severity Control Management"),
    nothing(1, "Trap Management"),
    nothing(1, "IP Proto-Configure"),
    {.depth = 1, .caption = "Console Mode Control", .shape = E, .items = kConsoleModeControl,
     .title = "Console Mode Control", .joiner = " : "},
    separator(1),
    {.depth = 1, .caption = "ARP Clear All State", .shape = E, .items = kArpClearAll,
     .title = "ARP Clear All State", .joiner = ": "},
    menu(1, "Gratuitous ARP Management"),
    {.depth = 2, .caption = "Gratuitous ARP Management Infomation", .shape = E, .items = kGratuitousArpInformation,
     .title = "Gratuitous ARP Management Infomation", .joiner = ": "},
    {.depth = 2, .caption = "Gratuitous ARP Table", .shape = T, .items = kGratuitousArpTable, .kind = MVT_UMV,
     .keyCount = 1, .title = "Gratuitous ARP Management Table", .joiner = " : "},
    {.depth = 1, .caption = "FDB Clear All State", .shape = E, .items = kFdbClearAll,
     .title = "FDB Clear All State", .joiner = ": "},
    menu(1, "Trust Host"),
    {.depth = 2, .caption = "Trust Host Table", .shape = T, .items = kTrustHostTable, .kind = MVT_UMV,
     .keyCount = 1, .title = "Trust Host Table", .joiner = " : ", .rowStatusColumn = 3, .editHidden = true},
    {.depth = 2, .caption = "Delete All State", .shape = E, .items = kTrustHostDeleteAll,
     .title = "Delete All Trust Host", .joiner = ": "},

    menu(0, "Time Management"),
    {.depth = 1, .caption = "Current Time", .shape = E, .items = kCurrentTime, .title = "Current Time",
     .joiner = " : ", .formats = kCurrentTimeFormats},
    {.depth = 1, .caption = "System Time", .shape = E, .items = kSystemTime, .title = "System Time",
     .joiner = " : "},
    dedicated(1, "Network Time", "TfrmNetwroktime", "Network Time", ": "),
    dedicated(1, "Summer Time", "TfrmSummerTime", "Summer Time", " : "),

    menu(0, "System Log Management"),
    {.depth = 1, .caption = "System Log Management", .shape = E, .items = kSystemLogManagement,
     .title = "System Log Mangement", .joiner = " : ", .formats = kSystemLogManagementFormats},
    dedicated(1, "System Log Host Table", "TSystemLogServerForm", "System Log Host Table", " : "),

    menu(0, "SMTP Management"),
    dedicated(1, "SMTP Control Table", "TSMTPControlForm", "SMTP Control Table", " :"),
    {.depth = 1, .caption = "SMTP Information Table", .shape = E, .items = kSmtpInformation,
     .title = "SMTP Information Table", .joiner = " : "},
    {.depth = 1, .caption = "SMTP Mail Receiver Table", .shape = T, .items = kSmtpMailReceivers, .kind = MVT_UMV,
     .keyCount = 1, .title = "SMTP Mail Receiver Table", .joiner = " : ", .rowStatusColumn = 2,
     .editHidden = true},

    {.depth = 0, .caption = "Cable Diagnostics", .shape = T, .items = kCableDiagnostics, .kind = MVT_FMV,
     .keyCount = 1, .title = "Cable Diagnostics Table", .joiner = " : "},
    separator(0),

    menu(0, "Entity", true),
    viewer(1, "Physical Table", "/TEntityMIB_Physical"),
    viewer(1, "Logical Table", "/TEntityMIB_Logical"),
    viewer(1, "Mapping", "/TEntityMIB_Maping"),

    menu(0, "IF-MIB"),
    viewer(1, "General Table", "/TIFMib_LastChangeTable"),
    {.depth = 1, .caption = "IfX Table", .shape = T, .items = kIfXTable, .kind = MVT_UMV, .keyCount = 1,
     .title = "IfX Table", .joiner = ": ", .height = 450, .flags = CommandFlag::NeedsV2c},
    nothing(1, "IfStack Table"),
    nothing(1, "Test Table"),

    menu(0, "MIB II"),
    viewer(1, "System Information", "/TMIB_Info"),
    separator(1),
    viewer(1, "IF Table", "/TMIB_IFTable"),
    viewer(1, "IF Counters", "/TMIB_IFCounters"),
    separator(1),
    viewer(1, "IP Counters", "/TMIB_IPCounters"),
    viewer(1, "IP Routing", "/TMIB_IPRouting"),
    viewer(1, "IP Address Table", "/TMIB_IPAddress"),
    separator(1),
    viewer(1, "ICMP Counters", "/TMIB_ICMPCounters"),
    viewer(1, "UDP Counters", "/TMIB_UDPCounters"),
    viewer(1, "SNMP Counters", "/TMIB_SNMPCounters"),
    separator(1),
    viewer(1, "ARP Table", "/TMIB_ARP"),

    menu(0, "EtherLike-MIB"),
    viewer(1, "Dot3 Statistics", "/TEthernetLike_dot3StatsTable"),
    {.depth = 1, .caption = "Dot3 Collisions", .hidden = true, .shape = T, .items = kDot3Collisions,
     .kind = MVT_FMV, .keyCount = 2, .title = "Dot3 Collisions", .joiner = " : ", .height = 450},
    dedicated(1, "Dot3 Control Table", "Tdot3ControlForm", "Dot3 Control Table", ": "),
    dedicated(1, "Dot3 Pause Table", "Tdot3PauseForm", "Dot3 Pause Table", ": "),
    separator(0),

    menu(0, "Ping"),
    {.depth = 1, .caption = "Ping Max Concurrent Requests", .shape = E, .items = kPingMaxConcurrent,
     .title = "Ping Max Concurrent Requests", .joiner = " : "},
    {.depth = 1, .caption = "Ping Control Table", .shape = T, .items = kPingControl, .kind = MVT_UMV,
     .keyCount = 2, .title = "Ping Control Table", .joiner = " : ", .rowStatusColumn = 6, .editHidden = true},
    {.depth = 1, .caption = "Ping Results Table", .shape = T, .items = kPingResults, .kind = MVT_UMV,
     .keyCount = 2, .title = "Ping Results Table", .joiner = " : "},
    {.depth = 1, .caption = "Ping Probe History Table", .hidden = true, .shape = T, .items = kPingProbeHistory,
     .kind = MVT_UMV, .keyCount = 3, .title = "Ping Probe History Table", .joiner = " : "},

    menu(0, "Trace Route"),
    {.depth = 1, .caption = "Trace Route Max Concurrent Requests", .shape = E, .items = kTraceRouteMaxConcurrent,
     .title = "Trace Route Max Concurrent Requests", .joiner = " : "},
    {.depth = 1, .caption = "Trace Route Control Table", .shape = T, .items = kTraceRouteControl,
     .kind = MVT_UMV, .keyCount = 2, .title = "Trace Route Control Table", .joiner = " : ",
     .rowStatusColumn = 8, .editHidden = true},
    {.depth = 1, .caption = "Trace Route Result Table", .shape = T, .items = kTraceRouteResults,
     .kind = MVT_UMV, .keyCount = 2, .title = "Trace Route Results Table", .joiner = " : "},
    {.depth = 1, .caption = "Trace Route Probe History Table", .hidden = true, .shape = T,
     .items = kTraceRouteProbeHistory, .kind = MVT_UMV, .keyCount = 5, .title = "Trace Route Probe History Table",
     .joiner = " : "},
    {.depth = 1, .caption = "Trace Route Hops Table", .hidden = true, .shape = T, .items = kTraceRouteHops,
     .kind = MVT_UMV, .keyCount = 3, .title = "Trace Route Hops Table", .joiner = " : "},

    {.depth = 0, .caption = "Save Changes", .shape = E, .items = kSaveChanges, .title = "Save Changes",
     .joiner = " : "},
    action(0, "Reboot", "reboot"),
    end(),
};

} // namespace

const QxSNMPVarItem *const saveChangesItems = kSaveChanges;

const CommandGroup basicConfigurationMenuGroup = {"Basic Configuration", kRecords};
