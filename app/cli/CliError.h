#pragma once

#include <QString>
#include <stdexcept>

// A mistake on the command line of nx2400p-cli (an unknown action, a command
// name that is ambiguous, a caption the command does not have, a value the
// dialog would not take): its text for standard error and the exit status.
class CliError : public std::runtime_error
{
public:
    static constexpr int UsageStatus = 2;
    static constexpr int RefusedStatus = 1;

    explicit CliError(const QString &text, int status = UsageStatus)
        : std::runtime_error(text.toStdString()), m_text(text), m_status(status)
    {
    }

    const QString &text() const noexcept { return m_text; }
    int status() const noexcept { return m_status; }

private:
    QString m_text;
    int m_status;
};
