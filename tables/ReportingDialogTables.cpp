#include "tables/ReportingDialogTables.h"

#include "tables/CommonOptions.h"

namespace ReportingDialogTables {

namespace {

namespace S = QxSyntax;
namespace A = QxAccess;

const QxOptionPair kSendTest[] = {{1, "send"}, {2, "noAction"}, {0, nullptr}};
const QxOptionPair kFacility[] = {{0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"}, {4, "local4"},
                                  {5, "local5"}, {6, "local6"}, {7, "local7"}, {0, nullptr}};
const QxOptionPair kSeverity[] = {{1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr}};
const QxOptionList sendTest(kSendTest);
const QxOptionList facility(kFacility);
const QxOptionList severity(kSeverity);

constexpr QxSNMPVarItem kSmtp[] = {
    {"EnterpriseBase.12.29.1.1", "SMTP Status", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.29.1.2", "SMTP Server Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.29.1.3", "SMTP Server Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.29.1.4", "SMTP Self Mail Address", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.29.1.5", "SMTP Test Messsage Subject", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.29.1.6", "SMTP Test Message Content", S::displaystr, A::readwrite, nullptr},
    {"EnterpriseBase.12.29.1.7", "SMTP Send Test Message", S::integer, A::readwrite, &sendTest},
    {},
};
static_assert(QxColumns::count(kSmtp) == SmtpColumn::Count);
static_assert(QxColumns::captionIs(kSmtp, SmtpColumn::SendTest, "SMTP Send Test Message"));

constexpr QxSNMPVarItem kSyslogHosts[] = {
    {"EnterpriseBase.12.12.2.1.1", "System Log Server Index", S::integer, A::notaccess, nullptr},
    {"EnterpriseBase.12.12.2.1.2", "System Log Server IP Address", S::ipaddress, A::readwrite, nullptr},
    {"EnterpriseBase.12.12.2.1.3", "System Log Server Facility", S::integer, A::readwrite, &facility},
    {"EnterpriseBase.12.12.2.1.4", "System Log Server Severity", S::integer, A::readwrite, &severity},
    {"EnterpriseBase.12.12.2.1.5", "System Log Server UDP Port", S::integer, A::readwrite, nullptr},
    {"EnterpriseBase.12.12.2.1.6", "System Log Server State", S::integer, A::readwrite, &CommonOptions::disabledEnabled},
    {"EnterpriseBase.12.12.2.1.7", "System Log Server Row Status", S::integer, A::readwrite, &CommonOptions::activeCreateDestroy},
    {},
};
static_assert(QxColumns::count(kSyslogHosts) == SyslogColumn::Count);
static_assert(QxColumns::captionIs(kSyslogHosts, SyslogColumn::UdpPort, "System Log Server UDP Port"));

} // namespace

const QxDescriptorTable smtp{kSmtp, SVT_SV, 0, " SMTP Control"};
const QxDescriptorTable syslogHosts{kSyslogHosts, MVT_UMV, 1, " System Log Host"};

} // namespace ReportingDialogTables
