#pragma once

#include "app/core/ConfigSnapshot.h"
#include "app/core/SnapshotScope.h"
#include "app/core/SnmpAgent.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QxSNMPRequest;
class QxSNMPVarList;

// Reads one switch's configuration into a snapshot without blocking: the
// switch's identity first (a switch that does not answer it fails at once),
// then every source with its own request, several at a time, each table
// walked in bulk where the agent answers GETBULK. A source the switch refuses
// is left out and named in failures().
class SnapshotReader final
{
public:
    using Progress = std::function<void(int done, int total)>;
    using Finished = std::function<void()>;

    static constexpr int DefaultInFlight = 8;

    SnapshotReader(QList<SnapshotScope::Source> sources, SnmpAgent agent);
    ~SnapshotReader();
    SnapshotReader(const SnapshotReader &) = delete;
    SnapshotReader &operator=(const SnapshotReader &) = delete;

    // Starts the reads; `finished` runs once, from the event loop, when every
    // source is read or the switch did not answer. It must not destroy the
    // reader: a reader is dropped from the event loop.
    void start(Progress progress, Finished finished, int inFlight = DefaultInFlight);

    // Why the snapshot could not be taken (empty: it was).
    const QString &error() const { return m_error; }
    // The sources the switch refused, by command path, with the reason.
    const QMap<QString, QString> &failures() const { return m_failures; }
    // The snapshot, sorted; valid once finished without error.
    const ConfigSnapshot &snapshot() const { return m_snapshot; }
    int total() const { return int(m_sources.size()); }
    int done() const { return m_done; }

    // Waits for a reader to finish, replies and events going on (the
    // command-line client's one switch).
    static void runToEnd(SnapshotReader &reader, const Progress &progress = {});

private:
    struct Reading;
    std::unique_ptr<QxSNMPRequest> requestFor(const SnapshotScope::Source *source) const;
    void startNext();
    void addRow(Reading &reading, QxSNMPVarList &list);
    void finish(Reading &reading);
    void end();

    QList<SnapshotScope::Source> m_sources;
    SnmpAgent m_agent;
    Progress m_progress;
    Finished m_finished;
    int m_inFlight = DefaultInFlight;
    int m_next = 0;
    int m_done = 0;
    bool m_ended = false;
    QString m_error;
    QMap<QString, QString> m_failures;
    ConfigSnapshot m_snapshot;
    QMap<QString, ConfigSnapshot::Command> m_commands;
    std::unique_ptr<Reading> m_identity;
    std::deque<std::unique_ptr<Reading>> m_readings;
    // Readings are dropped from the event loop, once their walks have returned.
    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
};
