#pragma once

#include <QString>
#include <stdexcept>

// A wrong use of the generic dialog's panels by the code that builds a dialog
// (a second page, a format on a drop-down row, an unknown status text). The
// command that made the call ends; the main window shows text() (what() holds
// the same text as UTF-8).
class TPanelUsageError : public std::runtime_error
{
public:
    explicit TPanelUsageError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}

    const QString &text() const noexcept { return m_text; }

private:
    QString m_text;
};
