#include "app/cli/CliProgressLine.h"

#include <cstdio>
#include <unistd.h>

CliProgressLine::CliProgressLine() : m_enabled(isatty(STDERR_FILENO) == 1) {}

CliProgressLine::~CliProgressLine()
{
    finish();
}

void CliProgressLine::rowRead(int rows)
{
    if (!m_enabled)
        return;
    std::fprintf(stderr, "\rReading rows: %d", rows);
    std::fflush(stderr);
    m_shown = true;
}

void CliProgressLine::finish()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}
