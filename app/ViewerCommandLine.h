#pragma once

#include "app/core/LaunchTexts.h"

#include <QString>
#include <QStringList>

// The command line that starts one of the host suite's viewer programs with the
// module's launch values, e.g. "MIB /I10.90.90.90 /Rpublic /Wprivate /TMIB_Info ".
class ViewerCommandLine
{
public:
    ViewerCommandLine(const QString &topicSwitch, const LaunchTexts &launch);

    // The program: the topic switch from its third character to the first "_".
    const QString &program() const { return m_program; }
    // The parameters, one per switch, as the program receives them.
    const QStringList &arguments() const { return m_arguments; }
    // The whole line as the host's programs expect it, joined by single blanks
    // and ended by one (the command's extra arguments are empty).
    QString text() const;

    // Starts the program without waiting; a failure is ignored, as the host's
    // viewers are optional. The module's own folder is searched first.
    void start() const;

private:
    QString m_program;
    QStringList m_arguments;
};
