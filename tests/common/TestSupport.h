#pragma once

#include <QString>
#include <functional>
#include <ostream>

// Test output shows texts as texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Small helpers the test suites and the benchmarks share.
namespace TestSupport {

// The program code an operation raises, 0 when it raises nothing.
int codeOf(const std::function<void()> &operation);

// Lets the event loop run (replies, timers) until done() holds or ms have passed.
bool waitUntil(const std::function<bool()> &done, int ms = 10000);

// Runs work(n) in `processes` forked processes at once (n = 0, 1, ...), as
// modules started together do; true when every one returned true.
bool inProcesses(int processes, const std::function<bool(int n)> &work);

} // namespace TestSupport
