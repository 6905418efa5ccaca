#include "TestSupport.h"

#include "snmp/QxSNMPException.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace TestSupport {

int codeOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const QxSNMPException &e) {
        return e.code();
    }
    return 0;
}

bool waitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

} // namespace TestSupport
