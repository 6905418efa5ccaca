#include "dialogs/services/TSMTPControlForm.h"

#include "dialogs/generic/TProgressForm.h"
#include "tables/ReportingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

namespace Column = ReportingDialogTables::SmtpColumn;

constexpr DedicatedField kFields[] = {
    {Column::Status, "CB_Status", "SMTP Status", DedicatedField::DropDown},
    {Column::ServerAddress, "Ed_SourceAddress", "Source Address", DedicatedField::Edit},
    {Column::ServerPort, "Ed_SourcePort", "Source Port", DedicatedField::Edit, "%i{n0x65535l5a}"},
    {Column::SelfMailAddress, "Ed_SelfMailAddress", "Self Mail Address ", DedicatedField::Edit},
    {Column::Subject, "ED_Subject", "Test Message Subject", DedicatedField::Edit},
    {Column::Content, "Ed_Content", "Test Message Content", DedicatedField::Edit},
    {Column::SendTest, "CB_SendTest", "SMTP Send Test Message", DedicatedField::DropDown},
};

constexpr int SmtpTimeout = 500;

} // namespace

TSMTPControlForm::TSMTPControlForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "SMTP Control Table", .status = StatusOutput::StatusBar, .size = {560, 300}})
{
    runCreation([this] {
        m_smtp = &addBinding(ReportingDialogTables::smtp, {.timeout = SmtpTimeout});
        addFields(*m_smtp, kFields);
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_smtp); });
        addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_smtp);
    });
}

void TSMTPControlForm::set()
{
    auto *address = control<QLineEdit>("Ed_SourceAddress");
    auto *port = control<QLineEdit>("Ed_SourcePort");
    if (!passes({{[&] { return address->text().isEmpty() || port->text().isEmpty(); }, "Please Input Value!"}},
                Report::Status)
        || !validAddress(address))
        return;
    const int sendTest = control<QComboBox>("CB_SendTest")->currentIndex();
    if (sendTest == ReportingDialogTables::smtpSend) {
        if (control<QComboBox>("CB_Status")->currentIndex() == ReportingDialogTables::smtpDisabled) {
            inform(QStringLiteral("Enable SMTP first if you want send a mail"));
            return;
        }
        if (!ask(QStringLiteral("Confirm"), QStringLiteral("To Send the mail may take a long time. Do you want to go on?"))) {
            refreshBinding(m_smtp);
            return;
        }
        // One SET of all seven, "send" among them; the read follows its reply.
        // The progress counts while the switch sends, so it shows only once
        // the switch took the send, after the write's own completion.
        write({.binding = m_smtp, .readBack = DedicatedWrite::ReadBack::Always, .succeeded = [this] {
                   QTimer::singleShot(0, this, [this] { showSendProgress(); });
               }});
        return;
    }
    if (sendTest == ReportingDialogTables::smtpNoAction) {
        write({.binding = m_smtp, .keptOut = {Column::SendTest}, .readBack = DedicatedWrite::ReadBack::Always});
        return;
    }
    // Nothing chosen for the test mail: nothing is written.
    refreshBinding(m_smtp);
}

void TSMTPControlForm::showSendProgress()
{
    TProgressForm progress(this);
    progress.setWindowTitle(QStringLiteral("Send the mail Progress"));
    progress.setPrompt(QStringLiteral("Send the mail is doing..."));
    runModal(progress);
}
