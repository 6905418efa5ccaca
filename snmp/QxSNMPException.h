#pragma once

#include <QString>
#include <exception>
#include <string>

// The one exception type of the SNMP framework: a program error code
// (0 = success, negative = failure) and the catalogue text that goes with it.
class QxSNMPException : public std::exception
{
public:
    QxSNMPException(int code, QString text, int variable = -1);

    int code() const noexcept { return m_code; }
    // A refused write: the position of the variable the agent named (-1: none).
    int variable() const noexcept { return m_variable; }
    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

    // Raises the exception for a library or SNMP status, through the status mapping.
    [[noreturn]] static void raiseStatus(int libraryStatus);
    // Raises the exception for one of the framework's own codes (-501 .. -528).
    [[noreturn]] static void raiseFramework(int programCode);
    // Raises the exception for an entry of the general message table (code -entry).
    [[noreturn]] static void raiseCommon(int entry);

private:
    int m_code;
    QString m_text;
    int m_variable;
    std::string m_utf8;
};
