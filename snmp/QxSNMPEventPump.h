#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;
class QxSNMPSession;

// Lets the SNMP library deliver asynchronous replies on the GUI thread: a 20 ms
// timer, and the session's socket becoming readable, both run the library's
// pending-event processing. The pump never re-enters itself. The timer ticks
// only while exchanges are in flight (every send wakes it): an idle module
// does not wake up fifty times a second for nothing.
class QxSNMPEventPump : public QObject
{
    Q_OBJECT
public:
    static constexpr int IntervalMs = 20;

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

private:
    // A timer tick: a pump round, and the timer stops when nothing is in flight.
    void tick();

    QxSNMPSession &m_session;
    QTimer m_timer;
    QSocketNotifier *m_notifier = nullptr;
    bool m_running = false;
    bool m_notifierParked = false;
    bool m_enabled = false;
};
