#include "app/cli/CliFleet.h"

#include "app/cli/CliAssignments.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliCommandRunner.h"
#include "app/cli/CliError.h"
#include "app/cli/CliProgram.h"
#include "app/cli/CliProgressLine.h"
#include "app/cli/CliSnapshotCommands.h"
#include "app/core/CommandRequest.h"
#include "app/core/LaunchParameters.h"
#include "app/core/RequestWalk.h"
#include "app/core/SnapshotDiff.h"
#include "app/core/SnapshotReader.h"
#include "snmp/QxEventWait.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QDir>
#include <QMetaObject>

namespace {

// A snapshot reads a few commands of each switch at a time; the switches in
// flight share the agent's (or agents') attention.
constexpr int SourcesInFlightPerSwitch = 4;

} // namespace

CliFleet::CliFleet(const CliArguments &args, const CliCommandFinder &finder, const LaunchState &base,
                   const QString &settingsFolder)
    : m_args(args), m_finder(finder)
{
    if (args.action == CliArguments::Action::Snapshot || args.action == CliArguments::Action::Diff)
        m_sources = CliSnapshotCommands::sources(finder);
    if (args.action == CliArguments::Action::Diff)
        m_compareWith = CliSnapshotCommands::load(args.command);
    if (args.action == CliArguments::Action::Snapshot) {
        if (!args.out)
            throw CliError(QStringLiteral("snapshot --hosts needs --out FOLDER for the switches' files"));
        if (!QDir().mkpath(*args.out))
            throw CliError(QStringLiteral("Cannot make the folder %1").arg(*args.out));
    }
    for (const CliHostList::Host &host : CliHostList::read(*args.hosts)) {
        auto s = std::make_unique<Switch>();
        s->host = host;
        s->agent = agentOf(host, base, settingsFolder);
        s->name = s->agent.device.address + QLatin1Char(':') + QString::number(s->agent.device.port);
        m_switches.push_back(std::move(s));
    }
}

CliFleet::~CliFleet() = default;

SnmpAgent CliFleet::agentOf(const CliHostList::Host &host, const LaunchState &base, const QString &settingsFolder) const
{
    LaunchState state = base;
    LaunchParameters::apply(QStringList{QStringLiteral("/I") + host.address} + host.parameters, settingsFolder, state);
    SnmpAgent agent;
    agent.device = state.device;
    agent.scope = state.scope;
    agent.security = state.security;
    if (host.port)
        agent.device.port = *host.port;
    else if (m_args.port)
        agent.device.port = quint16(*m_args.port);
    agent.timeout = m_args.timeout;
    agent.retries = m_args.retries;
    agent.maxRepetitions = m_args.maxRepetitions;
    return agent;
}

QString CliFleet::snapshotFileName(const QString &folder, const SnmpAgent &agent)
{
    QString address = agent.device.address;
    address.replace(QLatin1Char(':'), QLatin1Char('-')); // an IPv6 address in a file name
    return QDir(folder).filePath(address + QLatin1Char('_') + QString::number(agent.device.port) + QStringLiteral(".json"));
}

int CliFleet::run()
{
    for (int i = 0; i < SwitchesInFlight; ++i)
        startNext();
    while (QxEventWait::whileHolds([this] { return !m_allDone; }, 60000)) {
    }

    int ok = 0, differ = 0, failed = 0;
    for (const auto &s : m_switches) {
        if (!s->details.isEmpty())
            CliProgram::write(stdout, QStringLiteral("== %1 ==\n").arg(s->name) + s->details
                                          + (s->details.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")));
        ok += s->result == Result::Ok;
        differ += s->result == Result::Differs;
        failed += s->result == Result::Failed;
    }
    const bool diff = m_args.action == CliArguments::Action::Diff;
    QString summary = QStringLiteral("%1 switches: ").arg(m_switches.size());
    summary += diff ? QStringLiteral("%1 equal, %2 differ, %3 failed\n").arg(ok).arg(differ).arg(failed)
                    : QStringLiteral("%1 ok, %2 failed\n").arg(ok).arg(failed);
    CliProgram::write(stdout, summary);
    if (diff)
        return failed ? CliError::UsageStatus : (differ ? 1 : 0);
    return failed ? 1 : 0;
}

void CliFleet::startNext()
{
    if (m_next >= int(m_switches.size()))
        return;
    Switch &s = *m_switches.at(size_t(m_next++));
    try {
        switch (m_args.action) {
        case CliArguments::Action::Show:
            startShow(s);
            break;
        case CliArguments::Action::Set:
            startSet(s);
            break;
        default:
            startSnapshot(s);
            break;
        }
    } catch (const QxSNMPException &e) {
        finish(s, Result::Failed, e.text());
    } catch (const CliError &e) {
        finish(s, Result::Failed, e.text());
    }
}

void CliFleet::startSnapshot(Switch &s)
{
    s.reader = std::make_unique<SnapshotReader>(m_sources, s.agent);
    s.reader->start({}, [this, &s] { snapshotRead(s); }, SourcesInFlightPerSwitch);
}

void CliFleet::snapshotRead(Switch &s)
{
    const SnapshotReader &reader = *s.reader;
    if (!reader.error().isEmpty()) {
        finish(s, Result::Failed, reader.error());
        return;
    }
    QString note;
    if (!reader.failures().isEmpty())
        note = QStringLiteral(" (%1 commands not read: %2)")
                   .arg(reader.failures().size())
                   .arg(reader.failures().firstKey() + QStringLiteral(": ") + reader.failures().first());
    if (m_compareWith) {
        const ConfigSnapshot &live = reader.snapshot();
        const QList<SnapshotDiff::RowDifference> differences =
            SnapshotDiff::compareCommon(*m_compareWith, live);
        if (differences.isEmpty()) {
            finish(s, Result::Ok, QStringLiteral("equal") + note);
            return;
        }
        s.details = SnapshotDiff::text(differences);
        finish(s, Result::Differs, QStringLiteral("%1 rows differ").arg(differences.size()) + note);
        return;
    }
    const QString file = snapshotFileName(*m_args.out, s.agent);
    try {
        const bool written = CliSnapshotCommands::save(reader.snapshot(), file);
        finish(s, Result::Ok, (written ? QStringLiteral("written to ") : QStringLiteral("unchanged in ")) + file + note);
    } catch (const CliError &e) {
        finish(s, Result::Failed, e.text());
    }
}

void CliFleet::startShow(Switch &s)
{
    const CommandRecord &record = CliCommandRunner::generic(m_finder.find(m_args.command));
    s.request = std::make_unique<QxSNMPRequest>();
    CommandRequest::prepare(record, *s.request);
    s.agent.applyTo(*s.request);
    if ((record.flags & CommandFlag::NeedsV2c) && s.request->security.version == QxSNMPSecurity::V1)
        s.request->security.version = QxSNMPSecurity::V2c;
    auto writer = std::make_shared<CliTableWriter>(CliCommandRunner::writerFor(s.request->varList()));
    s.walk = std::make_unique<RequestWalk>(*s.request);
    s.walk->start([&s, writer](QxSNMPVarList &) { CliCommandRunner::addRow(*writer, *s.request); },
                  [this, &s, writer, &record](int code, const QString &text) {
                      if (code != 0) {
                          finish(s, Result::Failed, text);
                          return;
                      }
                      s.details = CliCommandRunner::formatted(record, *writer, m_args.format);
                      finish(s, Result::Ok,
                             record.shape == CommandShape::Table ? QStringLiteral("%1 rows").arg(writer->rowCount())
                                                                 : QStringLiteral("read"));
                  });
}

void CliFleet::startSet(Switch &s)
{
    const CommandRecord &record = CliCommandRunner::generic(m_finder.find(m_args.command));
    s.request = std::make_unique<QxSNMPRequest>();
    CommandRequest::prepare(record, *s.request);
    s.agent.applyTo(*s.request);
    QxSNMPVarList &list = s.request->varList();
    if (list.isTableKind()) {
        if (list.keyCount() == 0)
            throw CliError(QStringLiteral("\"%1\" is edited as the one row it has: set it on one switch at a time")
                               .arg(m_args.command));
        if (!m_args.row)
            throw CliError(QStringLiteral("\"%1\" is a table: name the row with --row INDEX").arg(m_args.command));
        CliCommandRunner::selectRow(*s.request, *m_args.row);
        write(s);
        return;
    }
    if (m_args.row)
        throw CliError(QStringLiteral("\"%1\" has no rows: leave --row out").arg(m_args.command));
    // The values before the write go into the journal, as on one switch; a
    // switch that does not answer the read is told by the write.
    s.walk = std::make_unique<RequestWalk>(*s.request);
    s.walk->start({}, [this, &s](int, const QString &) { write(s); });
}

void CliFleet::write(Switch &s)
{
    const CommandRecord &record = CliCommandRunner::generic(m_finder.find(m_args.command));
    try {
        const QList<CliAssignments::Assignment> values = CliAssignments::parse(
            record, s.request->varList(), m_args.assignments, CliAssignments::Purpose::Edit);
        QList<int> positions;
        QStringList texts;
        for (const CliAssignments::Assignment &a : values) {
            positions.append(a.position);
            texts.append(a.value);
        }
        s.request->write(CliCommandRunner::selection(positions), texts, false, [this, &s](const QxSNMPWrite &w) {
            finish(s, w.wentThrough() ? Result::Ok : Result::Failed,
                   w.wentThrough() ? QStringLiteral("set") : w.message());
        });
    } catch (const QxSNMPException &e) {
        finish(s, Result::Failed, e.text());
    } catch (const CliError &e) {
        finish(s, Result::Failed, e.text());
    }
}

void CliFleet::finish(Switch &s, Result result, const QString &line)
{
    if (s.result != Result::Pending)
        return;
    s.result = result;
    ++m_done;
    static const char *const words[] = {"", "ok", "differs", "FAILED"};
    m_progress.finish();
    CliProgram::write(stdout, QStringLiteral("%1  %2  %3\n")
                                  .arg(s.name, -21)
                                  .arg(QLatin1String(words[int(result)]), -7)
                                  .arg(line));
    m_progress.step(QStringLiteral("Switches"), m_done, int(m_switches.size()));
    // Whatever called this is still on the stack: the switch's requests go
    // from the event loop, and the next switch starts there.
    QMetaObject::invokeMethod(m_context.get(), [this, &s] {
        s.walk.reset();
        s.request.reset();
        s.reader.reset();
        if (m_done == int(m_switches.size())) {
            m_progress.finish();
            m_allDone = true;
        } else {
            startNext();
        }
    }, Qt::QueuedConnection);
}
