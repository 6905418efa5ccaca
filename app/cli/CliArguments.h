#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of nx2400p-cli:
//   [launch parameters] [--port N] [--timeout CS] [--retries N] [--max-repetitions N] ACTION ...
// Launch parameters are the module's own switches (/I, /R, /W, /v, ...) and go
// through the module's start-up unchanged; the options override what they give.
struct CliArguments
{
    enum class Action { List, Show, Set, Add, Delete, Leds, Journal, Save, Undo, Snapshot, Diff, Restore, Find, Help };
    enum class Format { Text, Csv, Json };

    QStringList launchParameters;
    std::optional<int> port;
    std::optional<int> timeout; // hundredths of a second
    std::optional<int> retries;
    std::optional<int> maxRepetitions; // 0: GET-NEXT only

    Action action = Action::Help;
    QString command;
    Format format = Format::Text;
    std::optional<QString> row; // a table row's instance
    QStringList assignments;    // CAPTION=VALUE, in the order given
    QStringList words;          // find: what to look for
    bool watch = false;
    std::optional<QDateTime> since; // journal: entries from this time on
    bool force = false;             // undo: write over what changed since
    std::optional<QString> out;     // snapshot: the file (or, with --hosts, the folder)
    QString otherFile;              // diff: the second snapshot
    bool live = false;              // diff: against the switch
    bool dryRun = false;            // restore: print the plan only
    bool apply = false;             // restore: carry the plan out
    bool yes = false;               // restore: rows may be deleted
    std::optional<QString> hosts;   // a file naming the switches to run on

    // Raises CliError for anything it cannot make sense of.
    static CliArguments parse(const QStringList &arguments);
    static QString usage();
};
