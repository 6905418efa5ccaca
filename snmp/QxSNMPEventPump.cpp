#include "snmp/QxSNMPEventPump.h"

#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>


QxSNMPEventPump::QxSNMPEventPump(QxSNMPSession &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &QxSNMPEventPump::tick);
    // The tick only has to happen: it ends the dispatcher's round of a wait.
    m_waitTick.setInterval(WaitTickMs);
    connect(&m_waitTick, &QTimer::timeout, this, [] {});
    const int fd = m_session.socketDescriptor();
    if (fd >= 0) {
        m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &QxSNMPEventPump::pump);
    }
}

QxSNMPEventPump::~QxSNMPEventPump() = default;

void QxSNMPEventPump::start()
{
    m_enabled = true;
    m_timer.start();
    if (m_notifier)
        m_notifier->setEnabled(true);
}

void QxSNMPEventPump::stop()
{
    m_enabled = false;
    m_timer.stop();
    if (m_notifier)
        m_notifier->setEnabled(false);
}

void QxSNMPEventPump::wake()
{
    if (m_enabled && !m_timer.isActive())
        m_timer.start();
}

void QxSNMPEventPump::tick()
{
    pump();
    // Checked on the timer's own ticks only, not on every reply the socket brings.
    if (!m_running && !m_session.hasPendingRequests())
        m_timer.stop();
}

void QxSNMPEventPump::pump()
{
    if (m_running) {
        // A completion handler is processing GUI messages (a nested event loop):
        // the pump does not re-enter the library. The socket would keep
        // signalling while its datagram waits, so it is parked until the outer
        // round is over; a timer tick here simply passes.
        if (m_notifier && m_notifier->isEnabled()) {
            m_notifier->setEnabled(false);
            m_notifierParked = true;
        }
        return;
    }
    m_running = true;
    // Nothing is switched off around the library call in the common case: each
    // switch costs a round of the GUI event loop's bookkeeping, once per reply.
    m_session.processPendingEvents();
    if (m_notifierParked) {
        m_notifierParked = false;
        if (m_enabled && m_notifier)
            m_notifier->setEnabled(true);
    }
    m_running = false;
}

bool QxSNMPEventPump::canWait() const
{
    return m_enabled && !m_running && QCoreApplication::instance() && QThread::currentThread() == thread();
}

bool QxSNMPEventPump::waitWhile(const std::function<bool()> &condition, int ms)
{
    if (!condition())
        return false;
    QElapsedTimer clock;
    clock.start();
    if (m_waitDepth++ == 0) {
        m_waitTick.start();
        emit waitingChanged(true);
    }
    // Each round handles what has come (a pump round, a posted row, the wait's
    // own tick at the latest) and returns; then the condition and the time are
    // looked at again. Rounds of the dispatcher, not a nested event loop: an
    // application already told to quit still lets its waits end properly.
    while (condition() && clock.elapsed() < ms && QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    if (--m_waitDepth == 0) {
        m_waitTick.stop();
        emit waitingChanged(false);
    }
    return condition();
}
