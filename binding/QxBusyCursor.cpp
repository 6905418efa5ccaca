#include "binding/QxBusyCursor.h"

#include "snmp/QxSNMPEventPump.h"

#include <QApplication>
#include <QCursor>

QxBusyCursor::QxBusyCursor(QxSNMPEventPump &pump, QObject *parent) : QObject(parent)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(ShowAfterMs);
    connect(&m_delay, &QTimer::timeout, this, &QxBusyCursor::show);
    connect(&pump, &QxSNMPEventPump::waitingChanged, this, &QxBusyCursor::waitingChanged);
}

QxBusyCursor::~QxBusyCursor()
{
    hide();
}

void QxBusyCursor::waitingChanged(bool waiting)
{
    if (waiting) {
        m_delay.start();
        return;
    }
    m_delay.stop();
    hide();
}

void QxBusyCursor::show()
{
    if (m_shown)
        return;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    m_shown = true;
}

void QxBusyCursor::hide()
{
    if (!m_shown)
        return;
    QApplication::restoreOverrideCursor();
    m_shown = false;
}
