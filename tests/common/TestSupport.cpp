#include "TestSupport.h"

#include "snmp/QxSNMPException.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

bool inProcesses(int processes, const std::function<bool(int n)> &work)
{
    std::vector<pid_t> children;
    for (int n = 0; n < processes; ++n) {
        const pid_t child = fork();
        if (child == 0)
            _exit(work(n) ? 0 : 1);
        if (child > 0)
            children.push_back(child);
    }
    bool all = int(children.size()) == processes;
    for (const pid_t child : children) {
        int status = 0;
        all &= waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return all;
}

} // namespace TestSupport
