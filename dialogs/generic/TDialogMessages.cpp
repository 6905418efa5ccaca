#include "dialogs/generic/TDialogMessages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QString programCaption()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace

TDialogMessages TDialogMessages::standard()
{
    TDialogMessages m;
    m.inform = [](QWidget *owner, const QString &text) {
        QMessageBox::information(owner, programCaption(), text, QMessageBox::Ok);
    };
    m.warn = [](QWidget *owner, const QString &caption, const QString &text) {
        QMessageBox::warning(owner, caption, text, QMessageBox::Ok);
    };
    m.confirm = [](QWidget *owner, const QString &caption, const QString &text) {
        return QMessageBox::question(owner, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    };
    m.ask = [](QWidget *owner, const QString &caption, const QString &text) {
        return QMessageBox::question(owner, caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
               == QMessageBox::Ok;
    };
    return m;
}

TDialogMessages TDialogMessages::completed() const
{
    const TDialogMessages defaults = standard();
    TDialogMessages m = *this;
    if (!m.inform)
        m.inform = defaults.inform;
    if (!m.warn)
        m.warn = defaults.warn;
    if (!m.confirm)
        m.confirm = defaults.confirm;
    if (!m.ask)
        m.ask = defaults.ask;
    return m;
}
