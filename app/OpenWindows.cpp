#include "app/OpenWindows.h"

#include "snmp/QxSNMPSession.h"

#include <QDialog>
#include <QEvent>

namespace {

constexpr const char *CommandProperty = "nxJournalCommand";

void raiseWindow(QDialog &dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

} // namespace

QDialog *OpenWindows::find(const QString &key) const
{
    const QPointer<QDialog> dialog = m_open.value(key);
    return dialog && dialog->isVisible() ? dialog.data() : nullptr;
}

int OpenWindows::count() const
{
    int n = 0;
    for (const QPointer<QDialog> &dialog : m_open)
        n += dialog && dialog->isVisible();
    return n;
}

QDialog *OpenWindows::show(const QString &key, const QString &command, const Factory &factory)
{
    if (QDialog *open = find(key)) {
        raiseWindow(*open);
        return open;
    }
    std::unique_ptr<QDialog> built = factory();
    if (!built)
        return nullptr;
    // The main window (the dialog's parent) owns it until it has closed.
    QDialog *dialog = built.release();
    dialog->setModal(false);
    dialog->setProperty(CommandProperty, command);
    dialog->installEventFilter(this);
    m_open.insert(key, dialog);
    connect(dialog, &QDialog::finished, this, [this, key, dialog] {
        if (m_open.value(key) == dialog)
            m_open.remove(key);
        dialog->deleteLater();
        emit closed(key);
    });
    raiseWindow(*dialog);
    return dialog;
}

bool OpenWindows::closeAll()
{
    // A copy: each close takes its dialog out of the list.
    const QList<QPointer<QDialog>> open = m_open.values();
    for (const QPointer<QDialog> &dialog : open) {
        if (dialog && dialog->isVisible() && !dialog->close())
            return false;
    }
    return true;
}

void OpenWindows::destroyAll()
{
    const QList<QPointer<QDialog>> open = m_open.values();
    m_open.clear();
    for (const QPointer<QDialog> &dialog : open) {
        // Taken from its parent: this is its last owner now.
        const std::unique_ptr<QDialog> owned(dialog.data());
    }
}

bool OpenWindows::eventFilter(QObject *watched, QEvent *event)
{
    // Writes go into the journal under the command whose dialog the user
    // works in; the front panel's writes name themselves.
    if (event->type() == QEvent::WindowActivate) {
        const QVariant command = watched->property(CommandProperty);
        QxSNMPSession *session = globalSession();
        if (session && command.isValid())
            session->setCommand(command.toString());
    }
    return QObject::eventFilter(watched, event);
}
