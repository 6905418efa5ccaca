#include "app/core/ConfigurationSave.h"

#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxSNMPVariable.h"
#include "tables/BasicConfigurationMenu.h"

namespace {

std::unique_ptr<QxSNMPRequest> saveRequest()
{
    auto request = std::make_unique<QxSNMPRequest>();
    request->varList() = QxSNMPVarList(saveChangesItems, SVT_SV, 0);
    return request;
}

// The write is journalled as the save it is, whichever dialog was open last.
void write(QxSNMPRequest &request, bool wait, const QxSNMPRequest::WriteDone &done)
{
    QxSNMPSession *session = globalSession();
    const QString command = session ? session->command() : QString();
    if (session)
        session->setCommand(QString::fromLatin1(ConfigurationSave::CommandName));
    try {
        request.write(QStringLiteral("0"), {QString::fromLatin1(saveAllText)}, wait, done);
    } catch (...) {
        if (session)
            session->setCommand(command);
        throw;
    }
    if (session)
        session->setCommand(command);
}

} // namespace

ConfigurationSave::ConfigurationSave() = default;
ConfigurationSave::~ConfigurationSave() = default;

QxSNMPWrite ConfigurationSave::now()
{
    const std::unique_ptr<QxSNMPRequest> request = saveRequest();
    QxSNMPWrite outcome;
    write(*request, true, [&outcome](const QxSNMPWrite &w) { outcome = w; });
    return outcome;
}

void ConfigurationSave::start(const std::function<void(const QxSNMPWrite &)> &done)
{
    if (m_busy)
        return;
    m_request = saveRequest();
    m_busy = true;
    try {
        write(*m_request, false, [this, done](const QxSNMPWrite &w) {
            m_busy = false;
            if (done)
                done(w);
        });
    } catch (...) {
        m_busy = false;
        throw;
    }
}

bool ConfigurationSave::saves(const QxSNMPWrite &write)
{
    if (!write.wentThrough())
        return false;
    const QString saveObject = QxSNMPVariable::expandOid(saveChangesItems[0].oid) + QStringLiteral(".0");
    for (const QxSNMPWrite::Binding &b : write.bindings)
        if (b.instance == saveObject && b.sent != QLatin1String(saveNothingText))
            return true;
    return false;
}
