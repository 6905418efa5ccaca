#pragma once

#include "app/DriverAction.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <memory>

class DriverWindows;
class QDialog;
class QWidget;

// Drives one dialog as a user would: shows it, lets its first reads finish,
// runs the actions one after the other, each once the dialog's controllers are
// idle again, and prints what the dialog says. Actions that open a modal
// sub-dialog do not wait for it: the actions after them look into it first,
// until it closes. Every wait is bounded by the controllers' own time-outs.
class DialogDriver final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogDriver)

public:
    static constexpr int NoControlStatus = 3;

    DialogDriver(QDialog &dialog, const QList<DriverAction> &actions, std::FILE *out);
    ~DialogDriver() override;

    // Prints the widget tree after the first reads.
    void setPrintTree(bool on) { m_printTree = on; }
    // Saves a picture of the dialog at the end.
    void setGrabFile(const QString &file) { m_grabFile = file; }

    // Runs everything; returns 0, or NoControlStatus when an action found no control.
    int run();

private:
    enum class Phase { FirstReads, Actions, Done };

    void step();
    bool settled();
    bool busy() const;
    int progress() const;
    int waitLimitMs() const;
    void start(const DriverAction &action);
    void perform(const DriverAction &action);
    // The control an action names: the topmost sub-dialog is searched first.
    QWidget *control(const QString &path) const;
    bool fail(const QString &text);
    void finish();
    void closeSubDialogs();
    void print(const QString &line);

    void type(QWidget *target, const QString &text);
    void choose(QWidget *target, const QString &text, const QString &path);
    void tick(QWidget *target, bool on);
    void click(QWidget *target);
    void select(QWidget *target, const QString &row, const QString &path);
    void cell(QWidget *target, int row, int column, const QString &path);
    void sort(QWidget *target, const DriverAction &action);
    void filter(QWidget *target, const QString &text, const QString &path);

    QPointer<QDialog> m_dialog;
    QList<DriverAction> m_actions;
    std::FILE *m_out;
    std::unique_ptr<DriverWindows> m_windows;
    bool m_printTree = false;
    QString m_grabFile;

    Phase m_phase = Phase::FirstReads;
    int m_next = 0;
    int m_status = 0;
    QTimer m_ticks;
    QEventLoop m_loop;
    // The running action: when it started, whether its body has run through,
    // and the sub-dialogs open at its start.
    QElapsedTimer m_since;
    QElapsedTimer m_sinceProgress;
    qint64 m_minimumMs = 0;
    int m_lastProgress = -1;
    bool m_bodyDone = true;
    int m_openedAtStart = 0;
};
