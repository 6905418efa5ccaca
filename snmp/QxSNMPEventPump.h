#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

class QEventLoop;
class QSocketNotifier;
class QxSNMPSession;

// Lets the SNMP library deliver asynchronous replies on the GUI thread: a 20 ms
// timer, and the session's socket becoming readable, both run the library's
// pending-event processing. The pump never re-enters itself. The timer ticks
// only while exchanges are in flight (every send wakes it): an idle module
// does not wake up fifty times a second for nothing.
//
// It also runs the program's waits (QxEventWait): short event loops that hold
// user input back, each ended early by a pump round so that a reply ends its
// wait at once.
class QxSNMPEventPump final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QxSNMPEventPump)
public:
    static constexpr int IntervalMs = 20;
    // A wait looks at its condition at least this often, whatever else happens.
    static constexpr int WaitTickMs = 10;

    explicit QxSNMPEventPump(QxSNMPSession &session, QObject *parent = nullptr);
    ~QxSNMPEventPump() override;

    void start();
    void stop();
    bool isActive() const { return m_enabled; }
    // Whether the timer ticks now, that is, exchanges are in flight.
    bool ticking() const { return m_timer.isActive(); }
    // A request was sent: time-outs and retransmissions need the timer.
    void wake();

    // Runs one round of pending-event processing now (what a timer tick does).
    void pump();

    // Whether a synchronous exchange can wait for its reply in an event loop:
    // the pump runs, on this thread, and is not inside a round of its own (a
    // completion handler cannot have its own replies delivered under it).
    bool canWait() const;
    // Processes events other than user input while the condition holds, for
    // at most ms; returns whether it still holds.
    bool waitWhile(const std::function<bool()> &condition, int ms);
    int waitDepth() const { return int(m_waits.size()); }

signals:
    // The first wait began (true) or the last one ended (false).
    void waitingChanged(bool waiting);

private:
    // A timer tick: a pump round, and the timer stops when nothing is in flight.
    void tick();
    // Every running wait looks at its condition again.
    void endWaitRounds();

    QxSNMPSession &m_session;
    QTimer m_timer;
    QSocketNotifier *m_notifier = nullptr;
    bool m_running = false;
    bool m_notifierParked = false;
    bool m_enabled = false;
    // The event loops of the running waits, innermost last, and the tick that
    // runs while any does.
    QList<QEventLoop *> m_waits;
    QTimer m_waitTick;
};
