#include "tables/SslSafeguardDialogTables.h"

#include "tables/CommonOptions.h"

namespace SslSafeguardDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kFileControl[] = {{1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {0, nullptr}};
const QxOptionPair kCertificateKind[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {0, nullptr}};
const QxOptionPair kSafeguardMode[] = {{1, "strict"}, {2, "fuzzy"}, {0, nullptr}};
const QxOptionPair kSafeguardState[] = {{1, "normal"}, {2, "exhausted"}, {0, nullptr}};
const QxOptionList fileControl(kFileControl);
const QxOptionList certificateKind(kCertificateKind);
const QxOptionList safeguardMode(kSafeguardMode);
const QxOptionList safeguardState(kSafeguardState);

constexpr QxSNMPVarItem kSsl[] = {
    {"EnterpriseBase.12.7.1.1", "Status Admin", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.7.1.2", "Cipher Suites", S::bitstr, A::readwrite, nullptr},
    {"EnterpriseBase.12.7.1.3", "Cache Timeout", S::guage, A::readwrite, nullptr},
    {},
};
static_assert(QxColumns::count(kSsl) == SslColumn::Count);
static_assert(QxColumns::captionIs(kSsl, SslColumn::CipherSuites, "Cipher Suites"));

constexpr QxSNMPVarItem kCertificate[] = {
    {"EnterpriseBase.12.7.2.1", "Certificate File IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.7.2.2", "Certificate File Path", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.7.2.3", "Certificate Key File Path", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.7.2.4", "Certificate File Control", S::integer, A::readwrite, &fileControl},
    {"EnterpriseBase.12.7.2.5", "Certificate File Show Status", S::integer, A::readonly, &certificateKind},
    {},
};
static_assert(QxColumns::count(kCertificate) == CertificateColumn::Count);
static_assert(QxColumns::captionIs(kCertificate, CertificateColumn::FileControl, "Certificate File Control"));

constexpr QxSNMPVarItem kSafeguard[] = {
    {"EnterpriseBase.12.19.2.1", "Rising Threshold", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.19.2.2", "Falling Threshold", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.19.2.3", "Mode", S::integer, A::readwrite, &safeguardMode},
    {"EnterpriseBase.12.19.2.4", "Alarm Admin State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.19.2.5", "Current Status", S::integer, A::readonly, &safeguardState},
    {},
};
static_assert(QxColumns::count(kSafeguard) == SafeguardColumn::Count);
static_assert(QxColumns::captionIs(kSafeguard, SafeguardColumn::Falling, "Falling Threshold"));

constexpr QxSNMPVarItem kDiagnostics[] = {
    {"", "PAE MAC Address", S::displaystr, A::notaccess, nullptr},
    {"", "PAE Port Number", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.3.6.3.1.1", "Enters Connecting", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.2", "Eap Logoffs While Connecting", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.3", "Enters Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.4", "Auth Success While Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.5", "Auth Timeouts While Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.6", "Auth Fail While Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.7", "Auth Reauths While Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.8", "Auth Eap Starts While Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.9", "Auth Eap Logoff While Authenticating", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.10", "Auth Reauths While Authenticated", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.11", "Auth Eap Starts While Authenticated", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.12", "Auth Eap Logoff While Authenticated", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.13", "Backend Responses", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.14", "Backend Access Challenges", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.15", "Backend Other Requests To Supplicant", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.16", "Backend NonNak Responses From Supplicant", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.17", "Backend Auth Successes", S::counter, A::readonly, nullptr},
    {"EnterpriseBase.12.3.6.3.1.18", "Backend Auth Fails", S::counter, A::readonly, nullptr},
    {},
};
static_assert(QxColumns::count(kDiagnostics) == diagnosticsColumns);
static_assert(QxColumns::captionIs(kDiagnostics, diagnosticsColumns - 1, "Backend Auth Fails"));

} // namespace

const QxDescriptorTable ssl{kSsl, SVT_SV, 0, " SSL Management"};
const QxDescriptorTable certificate{kCertificate, SVT_SV, 0, " SSL Certificate File"};
const QxDescriptorTable safeguard{kSafeguard, SVT_SV, 0, " Safeguard Control"};
const QxDescriptorTable diagnostics{kDiagnostics, MVT_FMV, 2, " Diagnostics Information"};

} // namespace SslSafeguardDialogTables
