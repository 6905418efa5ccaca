#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <cstdio>

class QDialog;
class QMessageBox;

// Watches the windows a driven dialog opens: every message box is printed as
// "box: CAPTION: TEXT" and answered (Yes or OK, or No when told so) as soon as
// it shows, whichever code raised it; the modal sub-dialogs (add, edit and
// port-list windows) are kept in the order they opened, so that actions can
// look into the topmost one first.
class DriverWindows final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DriverWindows)

public:
    // Watches the whole application; `main` is the driven dialog itself.
    DriverWindows(QDialog *main, std::FILE *out);
    ~DriverWindows() override;

    void setAnswerYes(bool yes) { m_yes = yes; }
    // The modal sub-dialog opened last and still open, or null.
    QDialog *topmostSubDialog() const;
    // How many sub-dialogs have opened so far.
    int subDialogsOpened() const { return m_opened; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answer(QMessageBox *box);

    QPointer<QDialog> m_main;
    std::FILE *m_out;
    bool m_yes = true;
    int m_opened = 0;
    QList<QPointer<QDialog>> m_subDialogs;
};
