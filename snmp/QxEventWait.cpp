#include "snmp/QxEventWait.h"

#include "snmp/QxSNMPEventPump.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

bool QxEventWait::whileHolds(const std::function<bool()> &condition, int ms)
{
    if (QxSNMPEventPump *pump = SnmpEventProcessor())
        return pump->waitWhile(condition, ms);
    // Before the session exists nothing can arrive from an agent: a plain loop.
    QElapsedTimer clock;
    clock.start();
    while (condition() && clock.elapsed() < ms && QCoreApplication::instance()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return condition();
}

int QxEventWait::depth()
{
    const QxSNMPEventPump *pump = SnmpEventProcessor();
    return pump ? pump->waitDepth() : 0;
}
