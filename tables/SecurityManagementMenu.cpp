#include "tables/SecurityManagementMenu.h"

#include "tables/CommonOptions.h"
#include "tables/MenuRecords.h"

// Standard objects are taken from IEEE8021-PAE-MIB (1.0.8802.1.1.1) and
// RADIUS-ACC-CLIENT-MIB (1.3.6.1.2.1.67.2.2); the vendor's RADIUS, AAC, SSH,
// safeguard, IP-MAC binding and DoS objects live below EnterpriseBase.12.

namespace {

using namespace QxSyntax;
using namespace QxAccess;
using namespace MenuRecords;
using CommonOptions::aacProtocol;
using CommonOptions::disabledEnabled;
using CommonOptions::enabledDisabled;
using CommonOptions::rowStatus;
using CommonOptions::trueFalse;

constexpr quint32 indexImplied = notaccess | implied;

// ---- option lists -------------------------------------------------------

const QxOptionPair kAuthMode[] = {{1, "none"}, {2, "port-based"}, {3, "mac-based"}, {0, nullptr}};
const QxOptionPair kAuthProtocol[] = {{1, "local"}, {2, "radius-eap"}, {0, nullptr}};
const QxOptionPair kPaeState[] = {{1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"},
                                  {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"},
                                  {9, "forceUnauth"}, {10, "restart"}, {0, nullptr}};
const QxOptionPair kBackendState[] = {{1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"},
                                      {6, "idle"}, {7, "initialize"}, {8, "ignore"}, {0, nullptr}};
const QxOptionPair kControlledDirections[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const QxOptionPair kPortStatus[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const QxOptionPair kPortControl[] = {{1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr}};
const QxOptionPair kAuthenticMethod[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const QxOptionPair kTerminateCause[] = {{1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"},
                                        {4, "reauthFailed"}, {5, "authControlForceUnauth"}, {6, "portReInit"},
                                        {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {0, nullptr}};
const QxOptionPair kAccountingService[] = {{1, "network"}, {2, "shell"}, {3, "system"}, {0, nullptr}};
const QxOptionPair kRekeying[] = {{1, "never"}, {2, "ten-min"}, {3, "thirty-min"}, {4, "sixty-min"}, {0, nullptr}};
const QxOptionPair kNoneStart[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const QxOptionPair kIpMacPortState[] = {{1, "other"}, {2, "enabled-strict"}, {3, "enabled-loose"}, {4, "disabled"},
                                        {0, nullptr}};
const QxOptionPair kInactiveActive[] = {{1, "inactive"}, {2, "active"}, {0, nullptr}};
const QxOptionPair kDosType[] = {{1, "land-attack"}, {2, "blat-attack"}, {3, "smurf-attack"}, {4, "tcp-null-scan"},
                                 {5, "tcp-xmasscan"}, {6, "tcp-synfin"}, {7, "tcp-syn-srcport-less-1024"},
                                 {8, "ping-death-attack"}, {9, "tcp-tiny-frag-attack"}, {0, nullptr}};
const QxOptionPair kDosAction[] = {{1, "drop"}, {2, "mirror"}, {0, nullptr}};

const QxOptionList authModeOptions(kAuthMode);
const QxOptionList authProtocolOptions(kAuthProtocol);
const QxOptionList paeStateOptions(kPaeState);
const QxOptionList backendStateOptions(kBackendState);
const QxOptionList controlledDirectionsOptions(kControlledDirections);
const QxOptionList portStatusOptions(kPortStatus);
const QxOptionList portControlOptions(kPortControl);
const QxOptionList authenticMethodOptions(kAuthenticMethod);
const QxOptionList terminateCauseOptions(kTerminateCause);
const QxOptionList accountingServiceOptions(kAccountingService);
const QxOptionList rekeyingOptions(kRekeying);
const QxOptionList noneStartOptions(kNoneStart);
const QxOptionList ipMacPortStateOptions(kIpMacPortState);
const QxOptionList inactiveActiveOptions(kInactiveActive);
const QxOptionList dosTypeOptions(kDosType);
const QxOptionList dosActionOptions(kDosAction);

// ---- descriptor arrays --------------------------------------------------

const QxSNMPVarItem kAuthenticationMode[] = {
    {"EnterpriseBase.12.3.1.1", "Authentication Mode", integer, readwrite, &authModeOptions},
    {"EnterpriseBase.12.3.1.2", "Authentication Protocol", integer, readwrite, &authProtocolOptions},
    {},
};

const QxSNMPVarItem kPaeSystem[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", integer, readwrite, &enabledDisabled},
    {},
};

const QxSNMPVarItem kPaePortTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", guage, readonly},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", bitstr, readonly},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", integer, readwrite, &trueFalse},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", integer, readwrite, &trueFalse},
    {},
};

const QxSNMPVarItem kAuthConfigTable[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Auth PAE State", integer, readonly, &paeStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", integer, readonly, &backendStateOptions},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", integer, readwrite, &controlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Oper Controlled Directions", integer, readonly, &controlledDirectionsOptions},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Auth Controlled Port Status", integer, readonly, &portStatusOptions},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Auth Controlled Port Control", integer, readwrite, &portControlOptions},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "Tx Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Req", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled", integer, readwrite, &trueFalse},
    {},
};

const RowFormat kAuthConfigFormats[] = {
    {7, "%i{n0x65535l5}"},  {8, "%i{n1x65535l5}"}, {9, "%i{n1x65535l5}"},
    {10, "%i{n1x65535l5}"}, {11, "%i{n1x10l2}"},   {12, "%i{n1x65535l5}"},
    {-1, nullptr},
};

const QxSNMPVarItem kAuthStatsTable[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp Id Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Resp Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req Id Frames Tx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Req Frames Tx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAP Length Error Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", guage, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", macaddress, readonly},
    {},
};

const QxSNMPVarItem kAuthDiagTable[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", counter, readonly},
    {},
};

// The octet counters are Counter64: the command reads them with SNMPv2c.
const QxSNMPVarItem kAuthSessionStatsTable[] = {
    {"", "Port Number", integer, notaccess},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Session Octets Rx", counter64, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Session Octets Tx", counter64, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Session Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Session Frames Tx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Session ID", displaystr, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Session Authentic Method", integer, readonly, &authenticMethodOptions},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Session Time", timeticks, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Session Terminate Cause", integer, readonly, &terminateCauseOptions},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Session User Name", displaystr, readonly},
    {},
};

// MAC-based authentication: rows keyed by port and supplicant MAC address.
const QxSNMPVarItem kMacAuthStateTable[] = {
    {"EnterpriseBase.12.3.6.1.1.1", "Port Number", integer, notaccess},
    {"EnterpriseBase.12.3.6.1.1.2", "MAC Address", macaddress, notaccess},
    {"EnterpriseBase.12.3.6.1.1.3", "Auth PAE State", integer, readonly, &paeStateOptions},
    {"EnterpriseBase.12.3.6.1.1.4", "Backend Auth State", integer, readonly, &backendStateOptions},
    {"EnterpriseBase.12.3.6.1.1.5", "Port Status", integer, readonly, &portStatusOptions},
    {},
};

const QxSNMPVarItem kMacAuthSessionTable[] = {
    {"", "PAE MAC Address", macaddress, notaccess},
    {"", "PAE Port Number", integer, notaccess},
    {"EnterpriseBase.12.3.6.4.1.1", "Session Octets Rx", counter64, readonly},
    {"EnterpriseBase.12.3.6.4.1.2", "Session Octets Tx", counter64, readonly},
    {"EnterpriseBase.12.3.6.4.1.3", "Session Frames Rx", counter, readonly},
    {"EnterpriseBase.12.3.6.4.1.4", "Session Frames Tx", counter, readonly},
    {"EnterpriseBase.12.3.6.4.1.5", "Session ID", displaystr, readonly},
    {"EnterpriseBase.12.3.6.4.1.6", "Session Authentic Method", integer, readonly, &authenticMethodOptions},
    {"EnterpriseBase.12.3.6.4.1.7", "Session Time", timeticks, readonly},
    {"EnterpriseBase.12.3.6.4.1.8", "Session Terminate Cause", integer, readonly, &terminateCauseOptions},
    {"EnterpriseBase.12.3.6.4.1.9", "Session User Name", displaystr, readonly},
    {},
};

const QxSNMPVarItem kRadiusControl[] = {
    {"EnterpriseBase.12.3.2.2", "RADIUS Timeout", integer, readwrite},
    {"EnterpriseBase.12.3.2.3", "RADIUS Retransmit", integer, readwrite},
    {},
};

const RowFormat kRadiusControlFormats[] = {{0, "%i{n1x255l3}"}, {1, "%i{n1x255l3}"}, {-1, nullptr}};

const QxSNMPVarItem kRadiusCommand[] = {
    {"EnterpriseBase.12.3.7.1", "RADIUS Force Down Port Number", guage, readwrite},
    {"EnterpriseBase.12.3.7.2", "RADIUS Force Down MAC Address", macaddress, readwrite},
    {},
};

const QxSNMPVarItem kRadiusAuthInfo[] = {
    {"EnterpriseBase.12.3.3.1", "Invalid Server Addresses", counter, readonly},
    {"EnterpriseBase.12.3.3.2", "Client Identifier", displaystr, readonly},
    {},
};

const QxSNMPVarItem kRadiusAuthTable[] = {
    {"EnterpriseBase.12.3.3.3.1.1", "Server Index", integer, notaccess},
    {"EnterpriseBase.12.3.3.3.1.2", "Server Address", ipaddress, readonly},
    {"EnterpriseBase.12.3.3.3.1.3", "Server Port Number", integer, readonly},
    {"EnterpriseBase.12.3.3.3.1.4", "Round Trip Time", timeticks, readonly},
    {"EnterpriseBase.12.3.3.3.1.5", "Access Requests", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.6", "Access Retransmissions", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.7", "Access Accepts", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.8", "Access Rejects", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.9", "Access Challenges", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.10", "Malformed Access Responses", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.11", "Bad Authenticators", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.12", "Pending Requests", guage, readonly},
    {"EnterpriseBase.12.3.3.3.1.13", "Timeouts", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.14", "Unknown Types", counter, readonly},
    {"EnterpriseBase.12.3.3.3.1.15", "Packets Dropped", counter, readonly},
    {},
};

// RADIUS-ACC-CLIENT-MIB defines exactly two read-only scalars in its client
// group; the page shows those and writes nothing.
const QxSNMPVarItem kRadiusAccClient[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Client Identifier", displaystr, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Invalid Server Addresses", counter, readonly},
    {},
};

const QxSNMPVarItem kRadiusAccServerTable[] = {
    {"EnterpriseBase.12.3.5.3.1.1", "Server Index", integer, notaccess},
    {"EnterpriseBase.12.3.5.3.1.2", "Server Address", ipaddress, readonly},
    {"EnterpriseBase.12.3.5.3.1.3", "Server Port Number", integer, readonly},
    {"EnterpriseBase.12.3.5.3.1.4", "Round Trip Time", timeticks, readonly},
    {"EnterpriseBase.12.3.5.3.1.5", "Requests", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.6", "Retransmissions", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.7", "Responses", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.8", "Malformed Responses", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.9", "Bad Authenticators", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.10", "Pending Requests", guage, readonly},
    {"EnterpriseBase.12.3.5.3.1.11", "Timeouts", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.12", "Unknown Types", counter, readonly},
    {"EnterpriseBase.12.3.5.3.1.13", "Packets Dropped", counter, readonly},
    {},
};

const QxSNMPVarItem kAccountingServiceTable[] = {
    {"EnterpriseBase.12.3.4.3.1.1", "Service Type", integer, notaccess, &accountingServiceOptions},
    {"EnterpriseBase.12.3.4.3.1.2", "Service State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.3.4.3.1.3", "Method List Name", displaystr, readwrite},
    {},
};

const QxSNMPVarItem kAacControl[] = {
    {"EnterpriseBase.12.5.1.1", "Authentication Policy State", integer, readwrite, &enabledDisabled},
    {},
};

const QxSNMPVarItem kAacInformation[] = {
    {"EnterpriseBase.12.5.2.1", "Enable Admin State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.5.2.2", "Local Enable Password", displaystr, readwrite | QxAccess::secret},
    {"EnterpriseBase.12.5.2.3", "Server Count", guage, readonly},
    {"EnterpriseBase.12.5.2.4", "Method List Count", guage, readonly},
    {"EnterpriseBase.12.5.2.5", "Response Timeout", integer, readwrite},
    {"EnterpriseBase.12.5.2.6", "User Attempts", integer, readwrite},
    {},
};

const RowFormat kAacInformationFormats[] = {{4, "%i{n1x255l3}"}, {5, "%i{n1x255l3}"}, {-1, nullptr}};

const QxSNMPVarItem kAppAuthMethodGroup[] = {
    {"EnterpriseBase.12.5.7.1.1", "Console Login Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.2", "Console Enable Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.3", "Telnet Login Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.4", "Telnet Enable Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.5", "SSH Login Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.6", "SSH Enable Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.7", "HTTP Login Method List", displaystr, readwrite},
    {"EnterpriseBase.12.5.7.1.8", "HTTP Enable Method List", displaystr, readwrite},
    {},
};

// A server group is named by its IMPLIED group name and holds up to eight
// servers, each an address and a protocol.
const QxSNMPVarItem kAacServerGroupTable[] = {
    {"EnterpriseBase.12.5.9.1.1", "Group Name", displaystr, indexImplied},
    {"EnterpriseBase.12.5.9.1.2", "Server1 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.3", "Server1 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.4", "Server2 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.5", "Server2 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.6", "Server3 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.7", "Server3 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.8", "Server4 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.9", "Server4 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.10", "Server5 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.11", "Server5 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.12", "Server6 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.13", "Server6 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.14", "Server7 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.15", "Server7 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.16", "Server8 IP Address", ipaddress, readwrite},
    {"EnterpriseBase.12.5.9.1.17", "Server8 Protocol", integer, readwrite, &aacProtocol},
    {"EnterpriseBase.12.5.9.1.18", "Row Status", integer, readwrite, &rowStatus},
    {},
};

const QxSNMPVarItem kSshManagement[] = {
    {"EnterpriseBase.12.6.1.1", "SSH Server State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.1.2", "SSH Version", displaystr, readonly},
    {"EnterpriseBase.12.6.1.3", "Max Auth Fail Attempts", integer, readwrite},
    {"EnterpriseBase.12.6.1.4", "Session Key Rekeying", integer, readwrite, &rekeyingOptions},
    {"EnterpriseBase.12.6.1.5", "Connection Timeout", integer, readwrite},
    {"EnterpriseBase.12.6.1.6", "Listened Port", integer, readwrite},
    {"EnterpriseBase.12.6.1.7", "Max Session", integer, readonly},
    {},
};

const RowFormat kSshManagementFormats[] = {{2, "%i{n1x99l2}"}, {-1, nullptr}};

const QxSNMPVarItem kSshAlgorithms[] = {
    {"EnterpriseBase.12.6.2.1.1", "Encryption 3DES", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.2", "Encryption AES128", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.3", "Encryption AES192", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.4", "Encryption AES256", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.5", "Encryption Arcfour", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.6", "Encryption Blowfish", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.7", "Encryption Cast128", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.8", "Encryption Twofish128", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.9", "Encryption Twofish192", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.10", "Encryption Twofish256", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.11", "Data Integrity HMAC-MD5", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.12", "Data Integrity HMAC-SHA1", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.13", "Public Key RSA", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.1.14", "Public Key DSA", integer, readwrite, &enabledDisabled},
    {},
};

const QxSNMPVarItem kSshAuthMethods[] = {
    {"EnterpriseBase.12.6.2.2.1", "Password Authentication", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.2.2", "Public Key Authentication", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.6.2.2.3", "Host-based Authentication", integer, readwrite, &enabledDisabled},
    {},
};

const QxSNMPVarItem kSafeguardGlobal[] = {
    {"EnterpriseBase.12.19.1.1", "Safeguard Engine State", integer, readwrite, &disabledEnabled},
    {},
};

const QxSNMPVarItem kIpMacBindingControl[] = {
    {"EnterpriseBase.12.23.1.1", "Trap Log State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.23.1.2", "DHCP Snoop State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.23.1.3", "DHCP Snoop Entry Clear", integer, readwrite, &noneStartOptions},
    {"EnterpriseBase.12.23.1.4", "ACL Mode State", integer, readwrite, &disabledEnabled},
    {},
};

const QxSNMPVarItem kIpMacPortTable[] = {
    {"EnterpriseBase.12.23.3.2.1.1", "Port Index", integer, notaccess},
    {"EnterpriseBase.12.23.3.2.1.2", "State", integer, readwrite, &ipMacPortStateOptions},
    {"EnterpriseBase.12.23.3.2.1.3", "Zero IP State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.23.3.2.1.4", "Forward DHCP Packet", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.23.3.2.1.5", "DHCP Snoop Max Entry", integer, readwrite},
    {"EnterpriseBase.12.23.3.2.1.6", "Stop Learning Threshold", integer, readwrite},
    {},
};

const QxSNMPVarItem kIpMacBlockedTable[] = {
    {"EnterpriseBase.12.23.4.2.1.1", "VLAN ID", integer, notaccess},
    {"EnterpriseBase.12.23.4.2.1.2", "MAC Address", macaddress, notaccess},
    {"EnterpriseBase.12.23.4.2.1.3", "VLAN Name", displaystr, readonly},
    {"EnterpriseBase.12.23.4.2.1.4", "Port", integer, readonly},
    {"EnterpriseBase.12.23.4.2.1.5", "Blocked IP Address", ipaddress, readonly},
    {"EnterpriseBase.12.23.4.2.1.6", "Row Status", integer, readwrite, &rowStatus},
    {},
};

const QxSNMPVarItem kIpMacDhcpSnoopTable[] = {
    {"EnterpriseBase.12.23.4.3.1.1", "IP Address", ipaddress, notaccess},
    {"EnterpriseBase.12.23.4.3.1.2", "MAC Address", macaddress, readonly},
    {"EnterpriseBase.12.23.4.3.1.3", "Lease Time", integer, readonly},
    {"EnterpriseBase.12.23.4.3.1.4", "Port", integer, readonly},
    {"EnterpriseBase.12.23.4.3.1.5", "Status", integer, readonly, &inactiveActiveOptions},
    {},
};

const QxSNMPVarItem kDosManagement[] = {
    {"EnterpriseBase.12.59.1.1", "DoS Prevention Trap Log State", integer, readwrite, &disabledEnabled},
    {"EnterpriseBase.12.59.1.2", "Clear DoS Prevention Counters", integer, readwrite, &noneStartOptions},
    {},
};

const QxSNMPVarItem kDosControlTable[] = {
    {"EnterpriseBase.12.59.1.3.1.1", "DoS Prevention Type", integer, notaccess, &dosTypeOptions},
    {"EnterpriseBase.12.59.1.3.1.2", "State", integer, readwrite, &enabledDisabled},
    {"EnterpriseBase.12.59.1.3.1.3", "Action Type", integer, readwrite, &dosActionOptions},
    {"EnterpriseBase.12.59.1.3.1.4", "Mirror Port", integer, readwrite},
    {"EnterpriseBase.12.59.1.3.1.5", "Mirror Priority", integer, readwrite},
    {"EnterpriseBase.12.59.1.3.1.6", "Mirror Rx Rate", integer, readwrite},
    {"EnterpriseBase.12.59.1.3.1.7", "Frame Counts", counter, readonly},
    {},
};

// ---- menu ---------------------------------------------------------------

const CommandRecord kRecords[] = {
    {.depth = 0, .caption = "Authentication Mode settings", .hidden = false, .shape = CommandShape::Editor,
     .items = kAuthenticationMode, .title = "Authentication Mode settings", .joiner = ": "},
    separator(0),
    menu(0, "802.1X"),
    {.depth = 1, .caption = "Configuration", .hidden = false, .shape = CommandShape::Editor,
     .items = kPaeSystem, .title = "802.1X Configuration", .joiner = ": "},
    {.depth = 1, .caption = "Port Table", .hidden = false, .shape = CommandShape::Table,
     .items = kPaePortTable, .kind = MVT_UMV, .keyCount = 1, .title = "Port Table", .joiner = " : "},
    {.depth = 1, .caption = "Auth Configuration", .hidden = false, .shape = CommandShape::Table,
     .items = kAuthConfigTable, .kind = MVT_UMV, .keyCount = 1, .title = "802.1X Auth Configuration",
     .joiner = " : ", .formats = kAuthConfigFormats},
    {.depth = 1, .caption = "Auth Statistics", .hidden = false, .shape = CommandShape::Table,
     .items = kAuthStatsTable, .kind = MVT_UMV, .keyCount = 1, .title = "802.1X Auth Statistics", .joiner = " : "},
    {.depth = 1, .caption = "Auth Diagnostics", .hidden = false, .shape = CommandShape::Table,
     .items = kAuthDiagTable, .kind = MVT_UMV, .keyCount = 1, .title = "802.1X Auth Diagnostics", .joiner = ": "},
    {.depth = 1, .caption = "Auth Session Statistics", .hidden = false, .shape = CommandShape::Table,
     .items = kAuthSessionStatsTable, .kind = MVT_FMV, .keyCount = 1, .title = "802.1X Auth Session Statistics",
     .joiner = " : ", .flags = CommandFlag::NeedsV2c},
    separator(1),
    menu(1, "MAC_Based Authentication"),
    {.depth = 2, .caption = "State Table", .hidden = false, .shape = CommandShape::Table,
     .items = kMacAuthStateTable, .kind = MVT_FMV, .keyCount = 2, .title = "802.1X State Table", .joiner = ": "},
    dedicated(2, "Diagnostics Information", "TDiagnosticsInformationForm", "Diagnostics Information", ": "),
    dedicated(2, "Eap Over Land  Frames Statistic Table", "TMacStatisticTableForm", "MAC Statistic", ": "),
    {.depth = 2, .caption = "Session Information", .hidden = false, .shape = CommandShape::Table,
     .items = kMacAuthSessionTable, .kind = MVT_FMV, .keyCount = 2, .title = "Session Information",
     .joiner = " : ", .flags = CommandFlag::NeedsV2c},
    dedicated(1, "Guest VLAN", "TGuestVlanForm", "Guest VLAN", ": "),
    menu(0, "RADIUS Management"),
    {.depth = 1, .caption = "RADIUS Control", .hidden = false, .shape = CommandShape::Editor,
     .items = kRadiusControl, .title = "RADUIS Control", .joiner = ": ", .formats = kRadiusControlFormats},
    {.depth = 1, .caption = "RADUIS Command", .hidden = false, .shape = CommandShape::Editor,
     .items = kRadiusCommand, .title = "RADUIS Command", .joiner = ": "},
    dedicated(1, "RADIUS Server Table", "TRadiusServerForm", "RADIUS Server", ": "),
    {.depth = 1, .caption = "Authentication Information", .hidden = false, .shape = CommandShape::Editor,
     .items = kRadiusAuthInfo, .title = "Authentication Information", .joiner = ": "},
    {.depth = 1, .caption = "Authentication Table", .hidden = false, .shape = CommandShape::Table,
     .items = kRadiusAuthTable, .kind = MVT_FMV, .keyCount = 1, .title = "Authentication Table", .joiner = ": "},
    menu(1, "Accounting Management"),
    {.depth = 2, .caption = "Basic Information", .hidden = false, .shape = CommandShape::Editor,
     .items = kRadiusAccClient, .title = "Accounting Basic Information", .joiner = ": "},
    {.depth = 2, .caption = "Server Table", .hidden = false, .shape = CommandShape::Table,
     .items = kRadiusAccServerTable, .kind = MVT_FMV, .keyCount = 1, .title = "Accounting Server Table",
     .joiner = ": "},
    {.depth = 2, .caption = "Service Table", .hidden = false, .shape = CommandShape::Table,
     .items = kAccountingServiceTable, .kind = MVT_FMV, .keyCount = 1, .title = "Accounting Service Table",
     .joiner = ": "},
    menu(0, "AAC "),
    {.depth = 1, .caption = "AAC Control", .hidden = false, .shape = CommandShape::Editor, .items = kAacControl,
     .title = "AAC Control Table", .joiner = " : "},
    separator(1),
    {.depth = 1, .caption = "AAC Information", .hidden = false, .shape = CommandShape::Editor,
     .items = kAacInformation, .title = "AAC Information Table", .joiner = " : ", .formats = kAacInformationFormats},
    dedicated(1, "Login Method Control", "TLoginMethodListForm", "Login Method Control", ": "),
    dedicated(1, "Enable Method Control", "TEnableMethodForm", "Enable Method", ": "),
    {.depth = 1, .caption = "APP Auth Method Group", .hidden = false, .shape = CommandShape::Editor,
     .items = kAppAuthMethodGroup, .title = "APP Auth Method Group", .joiner = ": "},
    {.depth = 1, .caption = "Server Group", .hidden = false, .shape = CommandShape::Table,
     .items = kAacServerGroupTable, .kind = MVT_FMV, .keyCount = 1, .title = "AAC Server Table", .joiner = ": ",
     .rowStatusColumn = 17, .editHidden = true},
    dedicated(1, "Server Information", "TServerInformationForm", "Server Information", ": "),
    dedicated(1, "Server Control", "TfrmACCServerCtrl", "AAC Server Control Table", ": "),
    separator(0),
    menu(0, "SSH"),
    {.depth = 1, .caption = "SSH Management", .hidden = false, .shape = CommandShape::Editor,
     .items = kSshManagement, .title = "SSH Management Table", .joiner = ": ", .formats = kSshManagementFormats},
    separator(1),
    nothing(1, "Diffie Hellman Algorithm", true),
    {.depth = 1, .caption = "Algorithm Control", .hidden = false, .shape = CommandShape::Editor,
     .items = kSshAlgorithms, .title = "Algorithm Control", .joiner = ": "},
    {.depth = 1, .caption = "Authentication Method", .hidden = false, .shape = CommandShape::Editor,
     .items = kSshAuthMethods, .title = "Authentication Method Control", .joiner = ": "},
    nothing(1, "HMAC Algorithm", true),
    nothing(1, "Host Key Algorithm", true),
    menu(0, "SSL"),
    dedicated(1, "SSL Management", "TSSLManagementForm", "SSL Management", ": "),
    dedicated(1, "SSL Certificate File", "TCertificateFileForm", "SSL Certificate File", " : "),
    separator(0),
    menu(0, "Safeguard_Engine"),
    {.depth = 1, .caption = "Global Management", .hidden = false, .shape = CommandShape::Editor,
     .items = kSafeguardGlobal, .title = "Safeguard Global Management", .joiner = ": "},
    dedicated(1, "Safeguard Control", "TSafeguardCtrlForm", "Safeguard Control", ": "),
    nothing(1, "ARP Storm Control", true),
    menu(0, "IP-MAC Binding"),
    {.depth = 1, .caption = "IP-MAC Binding Control", .hidden = false, .shape = CommandShape::Editor,
     .items = kIpMacBindingControl, .title = "IP-MAC Binding Control", .joiner = ": "},
    {.depth = 1, .caption = "IP-MAC Binding Port State Control", .hidden = false, .shape = CommandShape::Table,
     .items = kIpMacPortTable, .kind = MVT_UMV, .keyCount = 1, .title = "IP-MAC Binding Port Table",
     .joiner = ": "},
    dedicated(1, "IP-MAC Binding Table", "TIPMACBindingForm", "IP-MAC Binding", ": "),
    {.depth = 1, .caption = "IP-MAC Binding Blocked Table", .hidden = false, .shape = CommandShape::Table,
     .items = kIpMacBlockedTable, .kind = MVT_UMV, .keyCount = 2, .title = "IP-MAC Binding Blocked Table",
     .joiner = " : ", .rowStatusColumn = 5},
    {.depth = 1, .caption = "IP-MAC Binding DHCP Snoop Table", .hidden = false, .shape = CommandShape::Table,
     .items = kIpMacDhcpSnoopTable, .kind = MVT_FMV, .keyCount = 1, .title = "IP-MAC Binding DHCP Snoop Table",
     .joiner = " : "},
    menu(0, "DOS Prevention"),
    {.depth = 1, .caption = "DOS Prevention Management", .hidden = false, .shape = CommandShape::Editor,
     .items = kDosManagement, .title = "DOS Prevention Management", .joiner = ": "},
    {.depth = 1, .caption = "DOS Prevertion Control Table", .hidden = false, .shape = CommandShape::Table,
     .items = kDosControlTable, .kind = MVT_UMV, .keyCount = 1, .title = "DOS Prevertion Control Table",
     .joiner = " : "},
    {},
};

} // namespace

const CommandGroup SecurityManagementGroup{"Security Management", kRecords};
