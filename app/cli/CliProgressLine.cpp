#include "app/cli/CliProgressLine.h"

#include <QByteArray>

#include <algorithm>
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

void CliProgressLine::step(const QString &what, int done, int total)
{
    if (!m_enabled || total <= 0)
        return;
    constexpr int Width = 30;
    const int filled = int(qint64(Width) * std::clamp(done, 0, total) / total);
    const QByteArray line = (QStringLiteral("\r") + what + QStringLiteral(" [") + QString(filled, QLatin1Char('#'))
                             + QString(Width - filled, QLatin1Char('.')) + QStringLiteral("] %1/%2").arg(done).arg(total))
                                .toLocal8Bit();
    std::fputs(line.constData(), stderr);
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
