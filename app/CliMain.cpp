// nx2400p-cli: the module's command catalogue on the command line, for scripts
// and for checking a switch without a screen. It starts up as the module does
// (session, registry, catalogues, launch parameters and settings file) and
// then reads or writes one command's variables.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliCommandRunner.h"
#include "app/cli/CliCommandSearch.h"
#include "app/cli/CliError.h"
#include "app/cli/CliFleet.h"
#include "app/cli/CliJournalWriter.h"
#include "app/cli/CliProgram.h"
#include "app/cli/CliSnapshotCommands.h"
#include "app/core/ChangeJournal.h"
#include "app/core/ChangeUndo.h"
#include "app/core/ConfigurationSave.h"
#include "app/core/JournalRecorder.h"
#include "app/core/ModuleStartup.h"
#include "app/core/ProgramVersion.h"
#include "app/core/RegistryStore.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <cstdio>

namespace {

constexpr unsigned long LedWatchPeriodMs = 3000;

QString listing(const CliCommandFinder &finder)
{
    QString out;
    for (const CliCommandFinder::Command &c : finder.commands())
        out += CliCommandFinder::shapeLetter(c.record->shape) + QLatin1Char('\t')
               + (c.hidden ? QStringLiteral("hidden") : QStringLiteral("-")) + QLatin1Char('\t') + c.path
               + QLatin1Char('\n');
    return out;
}

int run(const CliArguments &args)
{
    const CliCommandFinder finder;
    switch (args.action) {
    case CliArguments::Action::Help:
        CliProgram::write(stdout, CliArguments::usage());
        return 0;
    case CliArguments::Action::List:
        CliProgram::write(stdout, listing(finder));
        return 0;
    case CliArguments::Action::Find: {
        // The path, then the fields that matched.
        const QList<CliCommandSearch::Match> matches = CliCommandSearch(finder).find(args.words.join(QLatin1Char(' ')));
        QString out;
        for (const CliCommandSearch::Match &m : matches)
            out += m.command->path + (m.fields.isEmpty() ? QString() : QStringLiteral("\t") + m.fields.join(QStringLiteral(", ")))
                   + QLatin1Char('\n');
        CliProgram::write(stdout, out);
        return matches.isEmpty() ? CliError::RefusedStatus : 0;
    }
    default:
        break;
    }

    // Two files are compared without a switch.
    if (args.action == CliArguments::Action::Diff && !args.live)
        return CliSnapshotCommands::diffFiles(args);

    // Name the command before any exchange, so a mistyped name costs no time-out.
    const CliCommandFinder::Command *command = nullptr;
    if (args.action == CliArguments::Action::Show || args.action == CliArguments::Action::Set
        || args.action == CliArguments::Action::Add || args.action == CliArguments::Action::Delete)
        command = &finder.find(args.command);

    // With --hosts each switch's own line names it.
    if (args.launchParameters.isEmpty() && !args.hosts)
        throw CliError(QStringLiteral("No parameter input"));
    const RegistryStore registry(RegistryStore::defaultLocation());
    const ModuleStartup::Overrides overrides(args.port, args.timeout, args.maxRepetitions);
    const ModuleStartup::Result started = ModuleStartup::run(args.launchParameters, registry, QString(), overrides);

    if (args.action == CliArguments::Action::Journal) {
        const ChangeJournal::Reading reading = ChangeJournal(defaultDevice.address, quint16(defaultDevice.port)).read();
        for (const QString &warning : reading.warnings)
            CliProgram::write(stderr, QStringLiteral("warning: skipped ") + warning + QLatin1Char('\n'));
        CliProgram::write(stdout, args.format == CliArguments::Format::Json
                                      ? CliJournalWriter::json(reading, args.since)
                                      : CliJournalWriter::text(reading, args.since));
        return 0;
    }
    // Every write goes into the switch's journal; the program ends once it is there.
    JournalRecorder journal(QStringLiteral("nx2400p-cli"), ChangeJournal::defaultFolder(), [](const QString &text) {
        CliProgram::write(stderr, QStringLiteral("warning: ") + text + QLatin1Char('\n'));
    });
    journal.listen();
    if (QxSNMPSession *session = globalSession(); session && command)
        session->setCommand(command->path);

    if (args.hosts)
        return CliFleet(args, finder, started.launch, started.settingsFolder).run();
    const CliSnapshotCommands snapshots(finder, SnmpAgent::defaults());
    const CliCommandRunner runner(args.timeout, args.retries);
    switch (args.action) {
    case CliArguments::Action::Snapshot:
        return snapshots.snapshot(args.out);
    case CliArguments::Action::Diff:
        return snapshots.diff(args);
    case CliArguments::Action::Restore:
        return snapshots.restore(args);
    case CliArguments::Action::Show:
        CliProgram::write(stdout, runner.show(*command, args.format));
        break;
    case CliArguments::Action::Set:
        runner.set(*command, args.row, args.assignments);
        break;
    case CliArguments::Action::Add:
        CliProgram::write(stdout, runner.add(*command, args.assignments) + QLatin1Char('\n'));
        break;
    case CliArguments::Action::Delete:
        runner.remove(*command, *args.row);
        break;
    case CliArguments::Action::Undo: {
        // The entry is named by its ID (or the start of it, when that names one).
        const ChangeJournal::Reading reading = ChangeJournal(defaultDevice.address, quint16(defaultDevice.port)).read();
        QList<const ChangeJournal::Entry *> named;
        for (const ChangeJournal::Entry &e : reading.entries)
            if (e.id.startsWith(args.command))
                named.append(&e);
        if (named.size() != 1)
            throw CliError(named.isEmpty() ? QStringLiteral("No journal entry has the ID \"%1\"").arg(args.command)
                                           : QStringLiteral("\"%1\" names %2 journal entries").arg(args.command).arg(named.size()));
        const ChangeUndo::Outcome outcome = ChangeUndo::undo(*named.first(), args.force);
        if (outcome.kind == ChangeUndo::Outcome::Kind::Conflicts)
            throw CliError(outcome.text + QLatin1Char('\n') + ChangeUndo::conflictText(outcome.conflicts)
                           + QStringLiteral("\n(--force writes the old values over them)"),
                           CliError::RefusedStatus);
        if (outcome.kind != ChangeUndo::Outcome::Kind::Undone)
            throw CliError(outcome.text, CliError::RefusedStatus);
        CliProgram::write(stdout, outcome.text + QLatin1Char('\n'));
        break;
    }
    case CliArguments::Action::Save: {
        const QxSNMPWrite saved = ConfigurationSave::now();
        if (!saved.wentThrough())
            throw QxSNMPException(saved.code, saved.message());
        CliProgram::write(stdout, QStringLiteral("Saved\n"));
        break;
    }
    case CliArguments::Action::Leds:
        CliProgram::write(stdout, runner.leds());
        while (args.watch) {
            QThread::msleep(LedWatchPeriodMs);
            CliProgram::write(stdout, QLatin1Char('\n') + QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char('\n'));
            // A failed poll is reported and polling goes on, as on the front panel.
            try {
                CliProgram::write(stdout, runner.leds());
            } catch (const QxSNMPException &e) {
                CliProgram::write(stderr, QString::number(e.code()) + QLatin1Char(' ') + e.text() + QLatin1Char('\n'));
            }
        }
        break;
    default:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramVersion::asked(argc, argv))
        return ProgramVersion::print("nx2400p-cli");
    // Qt Core only: the client runs where there is no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nx2400p-cli"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        CliProgram::write(stderr, CliArguments::usage());
        return CliError::UsageStatus;
    }
    return CliProgram::run([&arguments] { return run(CliArguments::parse(arguments)); });
}
