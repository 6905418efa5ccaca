#include "binding/QxEventWait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

bool QxEventWait::whileHolds(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (condition() && clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return condition();
}
