#include "app/cli/CliSnapshotCommands.h"

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliError.h"
#include "app/cli/CliProgram.h"
#include "app/cli/CliProgressLine.h"
#include "app/core/RestorePlan.h"
#include "app/core/RestoreRunner.h"
#include "app/core/SnapshotDiff.h"
#include "app/core/SnapshotReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

CliSnapshotCommands::CliSnapshotCommands(const CliCommandFinder &finder, SnmpAgent agent)
    : m_sources(sources(finder)), m_agent(std::move(agent))
{
}

QList<SnapshotScope::Source> CliSnapshotCommands::sources(const CliCommandFinder &finder)
{
    QList<SnapshotScope::MenuCommand> commands;
    for (const CliCommandFinder::Command &c : finder.commands())
        if (!c.hidden)
            commands.append({c.path, c.record});
    return SnapshotScope::sources(commands);
}

ConfigSnapshot CliSnapshotCommands::load(const QString &fileName)
{
    QString why;
    std::optional<ConfigSnapshot> snapshot = ConfigSnapshot::fromFile(fileName, &why);
    if (!snapshot)
        throw CliError(why, CliError::UsageStatus);
    return *snapshot;
}

bool CliSnapshotCommands::save(const ConfigSnapshot &snapshot, const QString &fileName)
{
    if (QFileInfo::exists(fileName)) {
        const std::optional<ConfigSnapshot> old = ConfigSnapshot::fromFile(fileName);
        if (old && old->sameConfiguration(snapshot) && old->device.address == snapshot.device.address
            && old->device.port == snapshot.device.port)
            return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(snapshot.toJson()) < 0 || !file.commit())
        throw CliError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()), CliError::UsageStatus);
    return true;
}

ConfigSnapshot CliSnapshotCommands::readLive() const
{
    SnapshotReader reader(m_sources, m_agent);
    CliProgressLine progress;
    SnapshotReader::runToEnd(reader, [&progress](int done, int total) {
        progress.step(QStringLiteral("Reading the configuration"), done, total);
    });
    progress.finish();
    if (!reader.error().isEmpty())
        throw CliError(reader.error(), CliError::UsageStatus);
    for (auto it = reader.failures().cbegin(); it != reader.failures().cend(); ++it)
        CliProgram::write(stderr, QStringLiteral("warning: %1 not read: %2\n").arg(it.key(), it.value()));
    return reader.snapshot();
}

int CliSnapshotCommands::snapshot(const std::optional<QString> &out) const
{
    const ConfigSnapshot snapshot = readLive();
    if (!out) {
        CliProgram::write(stdout, QString::fromUtf8(snapshot.toJson()));
        return 0;
    }
    if (!save(snapshot, *out))
        CliProgram::write(stderr, QStringLiteral("%1 holds this configuration already: left as it is\n").arg(*out));
    return 0;
}

namespace {

int printed(const QList<SnapshotDiff::RowDifference> &differences, CliArguments::Format format)
{
    CliProgram::write(stdout, format == CliArguments::Format::Json ? QString::fromUtf8(SnapshotDiff::json(differences))
                                                                    : SnapshotDiff::text(differences));
    return differences.isEmpty() ? 0 : 1;
}

} // namespace

int CliSnapshotCommands::diff(const CliArguments &args) const
{
    const ConfigSnapshot a = load(args.command);
    const ConfigSnapshot b = readLive();
    // A command the switch did not let us read is no difference.
    return printed(SnapshotDiff::compareCommon(a, b), args.format);
}

int CliSnapshotCommands::diffFiles(const CliArguments &args)
{
    return printed(SnapshotDiff::compare(load(args.command), load(args.otherFile)), args.format);
}

int CliSnapshotCommands::restore(const CliArguments &args) const
{
    const ConfigSnapshot wanted = load(args.command);
    const RestorePlan plan = RestorePlan::make(wanted, readLive(), m_sources);
    CliProgram::write(stdout, plan.text());
    if (args.dryRun || plan.steps.isEmpty())
        return 0;
    if (plan.deletions() > 0 && !args.yes)
        throw CliError(QStringLiteral("The plan deletes %1 rows: give --yes to apply it").arg(plan.deletions()),
                       CliError::RefusedStatus);

    RestoreRunner runner(plan, m_agent);
    CliProgressLine progress;
    RestoreRunner::runToEnd(runner, [&progress, &plan](int index, bool) {
        progress.step(QStringLiteral("Restoring"), index + 1, int(plan.steps.size()));
    });
    progress.finish();
    const RestoreRunner::Outcome &outcome = runner.outcome();
    if (outcome.failedStep >= 0) {
        CliProgram::write(stdout, QStringLiteral("Applied %1 of %2 steps.\nStep %3 refused: %4\nNot applied: steps %3 to %2.\n")
                                      .arg(outcome.applied)
                                      .arg(plan.steps.size())
                                      .arg(outcome.failedStep + 1)
                                      .arg(outcome.failure));
    } else {
        CliProgram::write(stdout, QStringLiteral("Applied %1 of %1 steps.\n").arg(plan.steps.size()));
    }

    // What the switch holds now, against the snapshot.
    const ConfigSnapshot now = readLive();
    const QList<SnapshotDiff::RowDifference> left =
        SnapshotDiff::compareCommon(wanted, now);
    if (left.isEmpty())
        CliProgram::write(stdout, QStringLiteral("The switch now holds the snapshot's configuration.\n"));
    else
        CliProgram::write(stdout, QStringLiteral("Still different after the restore:\n") + SnapshotDiff::text(left));
    return outcome.failedStep >= 0 || !left.isEmpty() ? CliError::RefusedStatus : 0;
}
