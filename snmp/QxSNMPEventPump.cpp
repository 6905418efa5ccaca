#include "snmp/QxSNMPEventPump.h"

#include "snmp/QxSNMPSession.h"

#include <QSocketNotifier>

QxSNMPEventPump::QxSNMPEventPump(QxSNMPSession &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &QxSNMPEventPump::pump);
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

void QxSNMPEventPump::pump()
{
    if (m_running)
        return;
    m_running = true;
    // Disabled while the library works: a completion handler that processes GUI
    // messages must not bring the pump back in.
    m_timer.stop();
    if (m_notifier)
        m_notifier->setEnabled(false);
    m_session.processPendingEvents();
    if (m_enabled) {
        m_timer.start();
        if (m_notifier)
            m_notifier->setEnabled(true);
    }
    m_running = false;
}
