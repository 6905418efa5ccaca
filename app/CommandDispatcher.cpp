#include "app/CommandDispatcher.h"

#include "app/DedicatedDialogs.h"
#include "app/GenericCommand.h"
#include "app/HelpFile.h"
#include "app/RebootCommand.h"
#include "app/TAboutForm.h"
#include "app/TMainForm.h"
#include "app/ViewerCommandLine.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

namespace {

// The application's default error display.
void showCommandError(QWidget *owner, const QString &text)
{
    QMessageBox::critical(owner, QCoreApplication::applicationName(), text);
}

} // namespace

bool CommandDispatcher::isAvailable(const CommandRecord &record)
{
    if (record.shape == CommandShape::Dedicated)
        return DedicatedDialogs::find(QString::fromLatin1(record.target)) != nullptr;
    return true;
}

bool CommandDispatcher::opensDialog(const CommandRecord &record)
{
    return record.shape == CommandShape::Editor || record.shape == CommandShape::Table
           || record.shape == CommandShape::Dedicated;
}

void CommandDispatcher::run(const CommandRecord &record)
{
    try {
        switch (record.shape) {
        case CommandShape::Editor:
        case CommandShape::Table:
        case CommandShape::Dedicated:
            showDialog(record);
            break;
        case CommandShape::Viewer:
            ViewerCommandLine(QString::fromLatin1(record.target), m_mainForm.launchTexts()).start();
            break;
        case CommandShape::Action:
            runAction(record);
            break;
        case CommandShape::Menu:
        case CommandShape::Separator:
        case CommandShape::Nothing:
            break;
        }
    } catch (const QxSNMPException &e) {
        showCommandError(&m_mainForm, e.text());
    } catch (const std::exception &e) {
        showCommandError(&m_mainForm, QString::fromLocal8Bit(e.what()));
    }
}

std::unique_ptr<QDialog> CommandDispatcher::openDialog(const CommandRecord &record)
{
    if (!opensDialog(record))
        return nullptr;
    // The dialog's writes are journalled under its command.
    if (QxSNMPSession *session = globalSession())
        session->setCommand(QString::fromUtf8(record.caption));
    if (record.flags & CommandFlag::StpVersionRefresh)
        m_mainForm.refreshStpVersion();
    if (record.shape != CommandShape::Dedicated)
        return GenericCommand(record, m_mainForm).build();
    const DedicatedDialogs::Factory factory = DedicatedDialogs::find(QString::fromLatin1(record.target));
    if (!factory)
        return nullptr;
    std::unique_ptr<QDialog> dialog = factory(&m_mainForm);
    dialog->setWindowTitle(GenericCommand::caption(record, m_mainForm.launchTexts().address));
    return dialog;
}

QDialog *CommandDispatcher::showDialog(const CommandRecord &record)
{
    if (!opensDialog(record))
        return nullptr;
    const QString key = QString::number(quintptr(&record));
    const bool wasOpen = m_windows.find(key) != nullptr;
    QDialog *dialog = m_windows.show(key, QString::fromUtf8(record.caption), [&] { return openDialog(record); });
    // What the RMON dialogs change shows in the menu once they close.
    if (dialog && !wasOpen && (record.flags & CommandFlag::RmonMenuRefresh))
        QObject::connect(dialog, &QDialog::finished, &m_mainForm, [this] { m_mainForm.updateRmonMenu(); });
    return dialog;
}

void CommandDispatcher::runAction(const CommandRecord &record)
{
    const QLatin1String action(record.target);
    if (action == QLatin1String("reboot")) {
        RebootCommand::run(&m_mainForm);
    } else if (action == QLatin1String("help")) {
        HelpFile::open();
    } else if (action == QLatin1String("about")) {
        TAboutForm about(&m_mainForm);
        about.exec();
    }
}
