#pragma once

#include <QString>
#include <cstdio>
#include <functional>

// What the module's command-line tools (nx2400p-cli, nx2400p-dialog) share
// around their work: output written whole and flushed at once, and every
// failure turned into its exit status with its text on standard error.
class CliProgram final
{
public:
    static constexpr int FailureStatus = 1;

    static void write(std::FILE *stream, const QString &text);
    // Runs the work and returns its status; a mistake on the command line
    // (CliError, a launch parameter that is no number) gives its status, an
    // SNMP error its code and text and FailureStatus, anything else its text
    // and FailureStatus.
    static int run(const std::function<int()> &work);
};
