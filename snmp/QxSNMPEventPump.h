#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QSocketNotifier;
class QxSNMPSession;

// Lets the SNMP library deliver asynchronous replies on the GUI thread: a 20 ms
// timer, and the session's socket becoming readable, both run the library's
// pending-event processing. The pump never re-enters itself. The timer ticks
// only while exchanges are in flight (every send wakes it): an idle module
// does not wake up fifty times a second for nothing.
//
// It also runs the program's waits (QxEventWait): rounds of the event
// dispatcher that hold user input back, so that a reply ends its wait as soon
// as the pump has delivered it.
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
    int waitDepth() const { return m_waitDepth; }

signals:
    // The first wait began (true) or the last one ended (false).
    void waitingChanged(bool waiting);

private:
    // A timer tick: a pump round, and the timer stops when nothing is in flight.
    void tick();

    QxSNMPSession &m_session;
    QTimer m_timer;
    QSocketNotifier *m_notifier = nullptr;
    bool m_running = false;
    bool m_notifierParked = false;
    bool m_enabled = false;
    // Waits running, one inside the other, and the tick that runs while any does.
    int m_waitDepth = 0;
    QTimer m_waitTick;
};
