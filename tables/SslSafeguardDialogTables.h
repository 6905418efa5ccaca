#pragma once

#include "snmp/QxDescriptorTable.h"

// Descriptor tables of the switch's own protection (vendor MIB): the SSL
// settings of its web management, the SSL certificate download, the safeguard
// engine, and the MAC-based authenticator's diagnostics (read only).
namespace SslSafeguardDialogTables {

// SSL state, the cipher suites (one octet, two hexadecimal digits) and the
// session cache time-out.
extern const QxDescriptorTable ssl; // " SSL Management"
namespace SslColumn {
enum : int { Status, CipherSuites, CacheTimeout, Count };
}

// Where the certificate and its key come from, the control that starts or
// deletes the download, and the kind of certificate the switch holds.
extern const QxDescriptorTable certificate; // " SSL Certificate File"
namespace CertificateColumn {
enum : int { ServerAddress, FilePath, KeyFilePath, FileControl, ShowStatus, Count };
}

// The safeguard engine: CPU thresholds (percent), mode, alarm and its state.
extern const QxDescriptorTable safeguard; // " Safeguard Control"
namespace SafeguardColumn {
enum : int { Rising, Falling, Mode, Alarm, CurrentStatus, Count };
}
// The thresholds the switch takes, in percent.
inline constexpr int thresholdMin = 20;
inline constexpr int thresholdMax = 100;

// The authenticator's diagnostic counters of each supplicant MAC address and
// port; the two keys come from the row instance alone.
extern const QxDescriptorTable diagnostics; // " Diagnostics Information"
inline constexpr int diagnosticsColumns = 20;

} // namespace SslSafeguardDialogTables
