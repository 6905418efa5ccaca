#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the SMTP control and system-log host dialogs (vendor MIB).
namespace ReportingDialogTables {

// The SMTP scalars: status, server address and port, sender, test mail
// subject and content, and "send" for the test mail.
extern const QxDescriptorTable smtp; // " SMTP Control"
namespace SmtpColumn {
enum : int { Status, ServerAddress, ServerPort, SelfMailAddress, Subject, Content, SendTest, Count };
}
// Item positions in the options of the status and send-test lists.
inline constexpr int smtpDisabled = 0;
inline constexpr int smtpSend = 0;
inline constexpr int smtpNoAction = 1;

// System log hosts 1-4 (one key: the index).
extern const QxDescriptorTable syslogHosts; // " System Log Host"
namespace SyslogColumn {
enum : int { Index, Address, Facility, Severity, UdpPort, State, RowStatus, Count };
}
inline constexpr int syslogCreateAndGo = 1;
inline constexpr int syslogDestroy = 2;

} // namespace ReportingDialogTables
