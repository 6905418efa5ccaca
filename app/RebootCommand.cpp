#include "app/RebootCommand.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"

#include <QMessageBox>

bool RebootCommand::run(QWidget *owner)
{
    const auto answer = QMessageBox::question(owner, QStringLiteral("Reboot"),
                                              QStringLiteral("Are you sure to reboot the device?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    send();
    return true;
}

void RebootCommand::send()
{
    QxSNMPRequest request;
    request.varList().append(QStringLiteral("EnterpriseBase.12.1.2.3"), QString(), QxSyntax::integer,
                             QxAccess::readwrite);
    request.varList().item(0).valueText = QStringLiteral("3");
    request.timeout = TimeoutCentiseconds;
    try {
        request.writeRow();
    } catch (const QxSNMPException &) {
        // A rebooting switch often drops the answer; that is no failure here.
    }
}
