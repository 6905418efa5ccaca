#pragma once

#include "snmp/QxSNMPException.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

// Small helpers the test suites share.
namespace TestSupport {

// The program code an operation raises, 0 when it raises nothing.
inline int codeOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const QxSNMPException &e) {
        return e.code();
    }
    return 0;
}

// Lets the event loop run (replies, timers) until done() holds or ms have passed.
inline bool waitUntil(const std::function<bool()> &done, int ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

} // namespace TestSupport
