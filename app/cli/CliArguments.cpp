#include "app/cli/CliArguments.h"

#include "app/cli/CliError.h"
#include "app/cli/CliWords.h"

namespace {

std::optional<CliArguments::Action> actionNamed(const QString &word)
{
    if (word == QLatin1String("list"))
        return CliArguments::Action::List;
    if (word == QLatin1String("show"))
        return CliArguments::Action::Show;
    if (word == QLatin1String("set"))
        return CliArguments::Action::Set;
    if (word == QLatin1String("add"))
        return CliArguments::Action::Add;
    if (word == QLatin1String("delete"))
        return CliArguments::Action::Delete;
    if (word == QLatin1String("leds"))
        return CliArguments::Action::Leds;
    if (word == QLatin1String("journal"))
        return CliArguments::Action::Journal;
    if (word == QLatin1String("save"))
        return CliArguments::Action::Save;
    if (word == QLatin1String("undo"))
        return CliArguments::Action::Undo;
    if (word == QLatin1String("snapshot"))
        return CliArguments::Action::Snapshot;
    if (word == QLatin1String("diff"))
        return CliArguments::Action::Diff;
    if (word == QLatin1String("restore"))
        return CliArguments::Action::Restore;
    if (word == QLatin1String("find"))
        return CliArguments::Action::Find;
    if (word == QLatin1String("help") || word == QLatin1String("--help") || word == QLatin1String("-h"))
        return CliArguments::Action::Help;
    return std::nullopt;
}

} // namespace

CliArguments CliArguments::parse(const QStringList &arguments)
{
    CliArguments a;
    CliWords words(arguments);
    bool haveAction = false;
    bool haveCommand = false;
    while (!words.atEnd()) {
        const QString word = words.take();
        if (const std::optional<CliWords::Option> option = CliWords::option(word)) {
            const QString &name = option->name;
            if (name == QLatin1String("--port"))
                a.port = CliWords::number(name, words.valueOf(*option), 1, 65535);
            else if (name == QLatin1String("--timeout"))
                a.timeout = CliWords::number(name, words.valueOf(*option), 1, 360000);
            else if (name == QLatin1String("--retries"))
                a.retries = CliWords::number(name, words.valueOf(*option), 0, 100);
            else if (name == QLatin1String("--max-repetitions"))
                a.maxRepetitions = CliWords::number(name, words.valueOf(*option), 0, 10000);
            else if (name == QLatin1String("--csv") && !option->value)
                a.format = Format::Csv;
            else if (name == QLatin1String("--json") && !option->value)
                a.format = Format::Json;
            else if (name == QLatin1String("--row"))
                a.row = words.valueOf(*option).trimmed();
            else if (name == QLatin1String("--watch") && !option->value)
                a.watch = true;
            else if (name == QLatin1String("--force") && !option->value)
                a.force = true;
            else if (name == QLatin1String("--out"))
                a.out = words.valueOf(*option);
            else if (name == QLatin1String("--hosts"))
                a.hosts = words.valueOf(*option);
            else if (name == QLatin1String("--live") && !option->value)
                a.live = true;
            else if (name == QLatin1String("--dry-run") && !option->value)
                a.dryRun = true;
            else if (name == QLatin1String("--apply") && !option->value)
                a.apply = true;
            else if (name == QLatin1String("--yes") && !option->value)
                a.yes = true;
            else if (name == QLatin1String("--since")) {
                const QString text = words.valueOf(*option).trimmed();
                a.since = QDateTime::fromString(text, Qt::ISODateWithMs);
                if (!a.since->isValid())
                    a.since = QDateTime::fromString(text, Qt::ISODate);
                if (!a.since->isValid())
                    throw CliError(QStringLiteral("--since needs a time like 2026-12-10T16:00 or 2026-12-10"));
            }
            else if (name == QLatin1String("--help") && !option->value) {
                a.action = Action::Help;
                return a;
            } else
                throw CliError(QStringLiteral("Unknown option \"%1\"").arg(word));
            continue;
        }
        if (!haveAction) {
            if (const std::optional<Action> action = actionNamed(word)) {
                a.action = *action;
                haveAction = true;
                if (a.action == Action::Help)
                    return a;
            } else {
                a.launchParameters.append(word);
            }
            continue;
        }
        if (a.action == Action::List || a.action == Action::Leds || a.action == Action::Journal
            || a.action == Action::Save || a.action == Action::Snapshot)
            throw CliError(QStringLiteral("Unexpected \"%1\"").arg(word));
        if (a.action == Action::Find) {
            a.words << word;
            continue;
        }
        if (!haveCommand) {
            a.command = word;
            haveCommand = true;
            continue;
        }
        if (a.action == Action::Diff && a.otherFile.isEmpty()) {
            a.otherFile = word;
            continue;
        }
        if ((a.action == Action::Set || a.action == Action::Add) && word.contains(QLatin1Char('='))) {
            a.assignments.append(word);
            continue;
        }
        throw CliError(QStringLiteral("Unexpected \"%1\"").arg(word));
    }

    if (!haveAction)
        throw CliError(QStringLiteral(
            "No action given (list, find, show, set, add, delete, leds, journal, save, undo, snapshot, diff or restore)"));
    const bool needsCommand = a.action == Action::Show || a.action == Action::Set || a.action == Action::Add
                              || a.action == Action::Delete;
    if (needsCommand && !haveCommand)
        throw CliError(QStringLiteral("Name the command: its menu path or the end of it"));
    if (a.action == Action::Find && a.words.isEmpty())
        throw CliError(QStringLiteral("find needs the words to look for"));
    if (a.action == Action::Undo && !haveCommand)
        throw CliError(QStringLiteral("undo needs the journal entry's ID"));
    if (a.action == Action::Diff && (!haveCommand || (a.live == !a.otherFile.isEmpty())))
        throw CliError(QStringLiteral("diff needs two snapshots, or one and --live"));
    if (a.action == Action::Restore && (!haveCommand || a.dryRun == a.apply))
        throw CliError(QStringLiteral("restore needs the snapshot file and --dry-run or --apply"));
    if (a.out && a.action != Action::Snapshot)
        throw CliError(QStringLiteral("--out belongs to snapshot"));
    if (a.live && a.action != Action::Diff)
        throw CliError(QStringLiteral("--live belongs to diff"));
    if ((a.dryRun || a.apply || a.yes) && a.action != Action::Restore)
        throw CliError(QStringLiteral("--dry-run, --apply and --yes belong to restore"));
    if (a.hosts && a.action != Action::Snapshot && a.action != Action::Show && a.action != Action::Set
        && !(a.action == Action::Diff && a.live))
        throw CliError(QStringLiteral("--hosts belongs to snapshot, diff --live, show and set"));
    if (a.force && a.action != Action::Undo)
        throw CliError(QStringLiteral("--force belongs to undo"));
    if ((a.action == Action::Set || a.action == Action::Add) && a.assignments.isEmpty())
        throw CliError(QStringLiteral("Give at least one CAPTION=VALUE"));
    if (a.action == Action::Delete && !a.row)
        throw CliError(QStringLiteral("delete needs --row INDEX"));
    if (a.row && a.action != Action::Set && a.action != Action::Delete)
        throw CliError(QStringLiteral("--row belongs to set and delete"));
    if (a.row && a.row->isEmpty())
        throw CliError(QStringLiteral("--row needs a row instance"));
    if (a.format == Format::Csv && a.action != Action::Show)
        throw CliError(QStringLiteral("--csv belongs to show"));
    if (a.format == Format::Json && a.action != Action::Show && a.action != Action::Journal
        && a.action != Action::Diff)
        throw CliError(QStringLiteral("--json belongs to show, journal and diff"));
    if (a.since && a.action != Action::Journal)
        throw CliError(QStringLiteral("--since belongs to journal"));
    if (a.watch && a.action != Action::Leds)
        throw CliError(QStringLiteral("--watch belongs to leds"));
    return a;
}

QString CliArguments::usage()
{
    return QStringLiteral(
        "Usage: nx2400p-cli [launch parameters] [--port N] [--timeout CS] [--retries N] [--max-repetitions N]\n"
        "                   ACTION ...\n"
        "Launch parameters are the module's own: /IADDRESS /RCOMMUNITY /WCOMMUNITY /vVERSION ...\n"
        "Actions:\n"
        "  list                                   every menu item that carries a command\n"
        "  find WORDS...                          the commands whose path or fields hold every word\n"
        "  show COMMAND [--csv | --json]          read a command's variables\n"
        "  set COMMAND [--row INDEX] CAPTION=VALUE ...\n"
        "  add COMMAND CAPTION=VALUE ...          add a table row (createAndGo)\n"
        "  delete COMMAND --row INDEX             delete a table row (destroy)\n"
        "  leds [--watch]                         the front panel's LEDs, once or every 3 s\n"
        "  journal [--json] [--since TIME]        the switch's change journal, newest first\n"
        "  save                                   save the switch's configuration (every area)\n"
        "  undo ID [--force]                      undo a journal entry (--force: over later changes)\n"
        "  snapshot [--out FILE]                  the switch's whole configuration as a JSON document\n"
        "  diff A B | diff A --live [--json]      what differs between two snapshots, or a snapshot and\n"
        "                                         the switch (exit 0 equal, 1 different, 2 error)\n"
        "  restore FILE --dry-run | --apply [--yes]\n"
        "                                         the writes that make the switch equal to the snapshot;\n"
        "                                         --apply writes them (--yes: rows may be deleted)\n"
        "--hosts FILE runs snapshot (--out FOLDER), diff --live, show and set on every switch the file\n"
        "names, one a line: ADDRESS[:PORT] [launch parameters]; # starts a comment.\n"
        "COMMAND is a menu path (\"Basic Configuration > Agent Management > Trust Host > Trust Host Table\")\n"
        "or any final part of it that names one command only. CAPTION is a variable's caption or #N, its\n"
        "row number in the command's list (counted from 0). INDEX is a row's instance, as --json shows it.\n"
        "--max-repetitions N: rows one GETBULK of a table walk asks for (SNMPv2c and v3; 0: GET-NEXT only);\n"
        "without it the settings file's MaxRepetitions, else adapted to the agent.\n");
}
