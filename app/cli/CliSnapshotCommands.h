#pragma once

#include "app/core/ConfigSnapshot.h"
#include "app/core/SnapshotScope.h"
#include "app/core/SnmpAgent.h"

#include <QList>
#include <QString>
#include <optional>

class CliCommandFinder;
struct CliArguments;

// snapshot, diff and restore of the command-line client on one switch. Each
// returns the program's exit status; mistakes and failures to read raise
// CliError.
class CliSnapshotCommands final
{
public:
    CliSnapshotCommands(const CliCommandFinder &finder, SnmpAgent agent);

    // The document on standard output, or into --out; a file that holds the
    // same configuration already is left as it is (its time too), so that a
    // folder under version control changes only when the switch did.
    int snapshot(const std::optional<QString> &out) const;
    // diff A --live: 0 equal, 1 different; a snapshot that cannot be read
    // raises status 2.
    int diff(const CliArguments &args) const;
    // diff A B, the same without a switch.
    static int diffFiles(const CliArguments &args);
    int restore(const CliArguments &args) const;

    // Every source of the menu's commands.
    static QList<SnapshotScope::Source> sources(const CliCommandFinder &finder);
    // The snapshot file, or CliError with status 2.
    static ConfigSnapshot load(const QString &fileName);
    // Writes the document unless the file holds the same configuration;
    // returns whether it was written. Raises CliError when it cannot be.
    static bool save(const ConfigSnapshot &snapshot, const QString &fileName);

private:
    // Reads the switch with a progress bar on a terminal; warnings for the
    // commands it refused go to standard error. Raises CliError (status 2).
    ConfigSnapshot readLive() const;

    QList<SnapshotScope::Source> m_sources;
    SnmpAgent m_agent;
};
