#pragma once

#include <QString>

// The row count of a running walk, or a bar of the steps done, on standard error, rewritten in place, when
// standard error is a terminal; silent otherwise, so scripts and pipes see
// nothing of it.
class CliProgressLine
{
public:
    CliProgressLine();
    ~CliProgressLine();
    CliProgressLine(const CliProgressLine &) = delete;
    CliProgressLine &operator=(const CliProgressLine &) = delete;

    void rowRead(int rows);
    // "what [#######.............]  done/total"
    void step(const QString &what, int done, int total);
    // Wipes the line; the destructor does it too.
    void finish();

private:
    bool m_enabled;
    bool m_shown = false;
};
