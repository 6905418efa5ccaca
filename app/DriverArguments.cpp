#include "app/DriverArguments.h"

#include "app/DriverAction.h"
#include "app/DriverViews.h"
#include "app/cli/CliError.h"
#include "app/cli/CliWords.h"

DriverArguments DriverArguments::parse(const QStringList &arguments)
{
    DriverArguments args;
    CliWords words(arguments);
    while (!words.atEnd()) {
        const QString word = words.take();
        const std::optional<CliWords::Option> option = CliWords::option(word);
        if (!option) {
            if (!word.startsWith(QLatin1Char('/')))
                throw CliError(QStringLiteral("Unexpected \"%1\"; see --help").arg(word));
            args.launchParameters << word;
            continue;
        }
        const QString &name = option->name;
        const bool bare = !option->value;
        if (name == QLatin1String("--list") && bare) {
            args.list = true;
        } else if (name == QLatin1String("--help") && bare) {
            args.help = true;
        } else if (name == QLatin1String("--tree") && bare) {
            args.tree = true;
        } else if (name == QLatin1String("--port")) {
            args.port = CliWords::number(name, words.valueOf(*option), 1, 65535);
        } else if (name == QLatin1String("--timeout")) {
            args.timeout = CliWords::number(name, words.valueOf(*option), 1, 360000);
        } else if (name == QLatin1String("--command")) {
            args.command = words.valueOf(*option);
        } else if (name == QLatin1String("--do")) {
            const QString action = words.valueOf(*option);
            DriverAction::parse(action); // a mistyped action costs no start-up
            args.actions << action;
        } else if (name == QLatin1String("--grab")) {
            args.grab = words.valueOf(*option);
        } else if (name == QLatin1String("--window")) {
            args.window = words.valueOf(*option);
            if (!DriverViews::names().contains(args.window, Qt::CaseInsensitive))
                throw CliError(QStringLiteral("--window opens one of: %1")
                                   .arg(DriverViews::names().join(QStringLiteral(", "))));
        } else if (name == QLatin1String("--panel") && bare) {
            args.panel = true;
        } else if (name == QLatin1String("--traffic")) {
            args.traffic = CliWords::number(name, words.valueOf(*option), 1, 28);
        } else if (name == QLatin1String("--seconds")) {
            args.seconds = CliWords::number(name, words.valueOf(*option), 1, 3600);
        } else {
            throw CliError(QStringLiteral("Unknown option \"%1\"; see --help").arg(word));
        }
    }
    if (args.traffic && (!args.command.isEmpty() || !args.actions.isEmpty() || args.tree))
        throw CliError(QStringLiteral("--traffic opens a port's traffic chart: no --command, --do or --tree"));
    if (!args.window.isEmpty() && (!args.command.isEmpty() || args.traffic))
        throw CliError(QStringLiteral("--window opens a window of its own: no --command or --traffic"));
    if (args.panel && (!args.command.isEmpty() || args.traffic || !args.window.isEmpty() || args.tree))
        throw CliError(QStringLiteral("--panel opens the main window: no --command, --window, --traffic or --tree"));
    if (!args.list && !args.help && !args.traffic && !args.panel && args.command.isEmpty() && args.window.isEmpty())
        throw CliError(QStringLiteral("Name the dialog with --command PATH, or ask for --list"));
    return args;
}

QString DriverArguments::usage()
{
    return QStringLiteral(
        "Usage: nx2400p-dialog [launch parameters] [--port N] [--timeout CS] --command PATH\n"
        "                      [--do ACTION]... [--grab FILE] [--tree]\n"
        "       nx2400p-dialog [launch parameters] [--port N] [--timeout CS] --traffic PORT\n"
        "                      [--seconds N] [--grab FILE]\n"
        "       nx2400p-dialog [launch parameters] [--port N] [--timeout CS] --panel [--do ACTION]... [--grab FILE]\n"
        "       nx2400p-dialog [launch parameters] [--port N] [--timeout CS] --window NAME\n"
        "                      [--do ACTION]... [--grab FILE] [--tree]\n"
        "       nx2400p-dialog --list\n"
        "\n"
        "Opens a menu command's dialog as the module's menu does, lets its first reads\n"
        "finish, runs the actions in order as a user would, and prints what the dialog\n"
        "says. PATH is a menu path or a unique final part of one, as nx2400p-cli takes.\n"
        "\n"
        "Actions (CTRL: names joined by \"/\", each an object name or a caption):\n"
        "  type:CTRL=TEXT      focus the edit, type TEXT over its text, move on\n"
        "  choose:CTRL=TEXT    pick the drop-down item or radio button TEXT\n"
        "  tick:CTRL=1|0       set a check box\n"
        "  click:CTRL          click a button (or the middle of any other control)\n"
        "  select:CTRL=#N|TEXT|-  select list row N (as shown), the row whose first cell is TEXT, or none\n"
        "  cell:CTRL=ROW,COLUMN click the list's cell in row ROW, column COLUMN (from 0, as shown)\n"
        "  sort:CTRL=COLUMN[,desc] sort the list as a click on the header of COLUMN (its caption\n"
        "                      or a number from 0) does, ascending unless \",desc\"\n"
        "  filter:CTRL=TEXT    type TEXT into the list's filter field (rows without it hide)\n"
        "  wait:SECONDS        let events and timers run\n"
        "  show:CTRL           print the control's value (a list: its rows as shown, in their order)\n"
        "  answer:yes|no       how message boxes are answered from now on (default yes)\n"
        "  close               close the topmost sub-dialog\n"
        "\n"
        "Output: \"box: CAPTION: TEXT\" per message box, \"show:\" values, then\n"
        "\"status: TEXT\" per status text of the dialog. --grab saves a PNG of the\n"
        "dialog at the end; --tree prints its widgets after the first reads.\n"
        "--panel opens the main window, waits for the first poll and prints \"connection: answering\"\n"
        "(or \"not answering since HH:MM:SS\") and \"port N: STATE\" per port, after the actions:\n"
        "  portmenu:N=ITEM     run the item of port N's context menu (Disable, Enable, PoE on, ...)\n"
        "--window opens \"Port Status\" or \"VLAN Matrix\", a window of its own, without\n"
        "the main window, lets its first read finish and drives it as a dialog.\n"
        "--traffic opens the port's live traffic chart as the front panel's \"Traffic…\"\n"
        "does, samples it every 2 s for N seconds (default 10) and prints a line per\n"
        "sample: \"sample: SECONDS IN_BPS OUT_BPS\" (bits per second, \"-\" for a gap).\n"
        "Exit status: 0 done, 2 usage or no dialog to open, 3 no control named CTRL.\n");
}
