#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line of nx2400p-dialog:
//   [launch parameters] [--port N] [--timeout CS] --command PATH [--do ACTION]... [--grab FILE] [--tree]
//   [launch parameters] [--port N] [--timeout CS] --traffic PORT [--seconds N] [--grab FILE]
//   [launch parameters] [--port N] [--timeout CS] --window NAME [--do ACTION]... [--grab FILE] [--tree]
//   [launch parameters] [--port N] [--timeout CS] --panel [--do ACTION]... [--grab FILE]
//   --list
// Launch parameters are the module's own switches (/I, /R, /W, /v, ...) and go
// through the module's start-up unchanged; the options override what they give.
struct DriverArguments
{
    QStringList launchParameters;
    std::optional<int> port;
    std::optional<int> timeout; // hundredths of a second
    bool list = false;
    bool help = false;
    bool tree = false;
    QString command;
    QStringList actions; // the --do texts, in the order given
    QString grab;
    QString window;             // a window of its own (DriverViews), driven as a dialog
    bool panel = false;         // the main window, its front panel and the port menus
    std::optional<int> traffic; // a port whose traffic chart is sampled
    int seconds = 10;           // for so long

    // Raises CliError (usage status) for anything it cannot make sense of.
    static DriverArguments parse(const QStringList &arguments);
    static QString usage();
};
