#pragma once

#include "app/cli/CliArguments.h"
#include "app/cli/CliHostList.h"
#include "app/cli/CliProgressLine.h"
#include "app/core/ConfigSnapshot.h"
#include "app/core/LaunchState.h"
#include "app/core/SnapshotScope.h"
#include "app/core/SnmpAgent.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class CliCommandFinder;
class QxSNMPRequest;
class RequestWalk;
class SnapshotReader;

// snapshot, diff --live, show and set on every switch of a --hosts file at
// once, from one event loop: a bounded number of switches in flight, a
// progress bar on a terminal, one result line per switch as it ends and a
// summary. A switch that does not answer fails alone.
class CliFleet final
{
public:
    static constexpr int SwitchesInFlight = 16;

    // `base` is what the command line's own launch parameters made; each
    // host's parameters go on from it.
    CliFleet(const CliArguments &args, const CliCommandFinder &finder, const LaunchState &base,
             const QString &settingsFolder);
    ~CliFleet();
    CliFleet(const CliFleet &) = delete;
    CliFleet &operator=(const CliFleet &) = delete;

    // The exit status: snapshot, show and set 0 when every switch did it;
    // diff 0 all equal, 1 some differ, 2 some could not be compared.
    int run();

    // "<address>_<port>.json" in the folder.
    static QString snapshotFileName(const QString &folder, const SnmpAgent &agent);

private:
    enum class Result { Pending, Ok, Differs, Failed };
    struct Switch
    {
        CliHostList::Host host;
        SnmpAgent agent;
        QString name; // address:port
        Result result = Result::Pending;
        QString details; // show's rows, diff's differences
        std::unique_ptr<SnapshotReader> reader;
        std::unique_ptr<QxSNMPRequest> request;
        std::unique_ptr<RequestWalk> walk;
    };

    SnmpAgent agentOf(const CliHostList::Host &host, const LaunchState &base, const QString &settingsFolder) const;
    void startNext();
    void startSnapshot(Switch &s);
    void startShow(Switch &s);
    void startSet(Switch &s);
    void write(Switch &s);
    void snapshotRead(Switch &s);
    void finish(Switch &s, Result result, const QString &line);

    const CliArguments &m_args;
    const CliCommandFinder &m_finder;
    QList<SnapshotScope::Source> m_sources;
    std::optional<ConfigSnapshot> m_compareWith; // diff --live: the snapshot file
    std::vector<std::unique_ptr<Switch>> m_switches;
    int m_next = 0;
    int m_done = 0;
    bool m_allDone = false;
    CliProgressLine m_progress;
    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
};
