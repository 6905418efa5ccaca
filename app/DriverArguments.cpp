#include "app/DriverArguments.h"

#include "app/CliError.h"
#include "app/DriverAction.h"

namespace {

int number(const QString &option, const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        throw CliError(QStringLiteral("%1 takes a number from %2 to %3, not \"%4\"")
                           .arg(option)
                           .arg(minimum)
                           .arg(maximum)
                           .arg(text));
    return value;
}

} // namespace

DriverArguments DriverArguments::parse(const QStringList &arguments)
{
    DriverArguments args;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments.at(i);
        if (word.startsWith(QLatin1Char('/'))) {
            args.launchParameters << word;
            continue;
        }
        // "--name value" and "--name=value" alike.
        QString name = word;
        std::optional<QString> inlineValue;
        if (const qsizetype eq = word.indexOf(QLatin1Char('=')); word.startsWith(QLatin1String("--")) && eq > 2) {
            name = word.left(eq);
            inlineValue = word.mid(eq + 1);
        }
        const auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= arguments.size())
                throw CliError(name + QStringLiteral(" needs a value"));
            return arguments.at(++i);
        };
        if (name == QLatin1String("--list") && !inlineValue) {
            args.list = true;
        } else if ((name == QLatin1String("--help") || name == QLatin1String("-h")) && !inlineValue) {
            args.help = true;
        } else if (name == QLatin1String("--tree") && !inlineValue) {
            args.tree = true;
        } else if (name == QLatin1String("--port")) {
            args.port = number(name, value(), 1, 65535);
        } else if (name == QLatin1String("--timeout")) {
            args.timeout = number(name, value(), 1, 360000);
        } else if (name == QLatin1String("--command")) {
            args.command = value();
        } else if (name == QLatin1String("--do")) {
            const QString action = value();
            DriverAction::parse(action); // a mistyped action costs no start-up
            args.actions << action;
        } else if (name == QLatin1String("--grab")) {
            args.grab = value();
        } else {
            throw CliError(QStringLiteral("Unknown argument \"%1\"; see --help").arg(word));
        }
    }
    if (!args.list && !args.help && args.command.isEmpty())
        throw CliError(QStringLiteral("Name the dialog with --command PATH, or ask for --list"));
    return args;
}

QString DriverArguments::usage()
{
    return QStringLiteral(
        "Usage: nx2400p-dialog [launch parameters] [--port N] [--timeout CS] --command PATH\n"
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
        "  select:CTRL=#N|TEXT|-  select list row N, the row whose first cell is TEXT, or none\n"
        "  wait:SECONDS        let events and timers run\n"
        "  show:CTRL           print the control's value (a list: its rows)\n"
        "  answer:yes|no       how message boxes are answered from now on (default yes)\n"
        "  close               close the topmost sub-dialog\n"
        "\n"
        "Output: \"box: CAPTION: TEXT\" per message box, \"show:\" values, then\n"
        "\"status: TEXT\" per status text of the dialog. --grab saves a PNG of the\n"
        "dialog at the end; --tree prints its widgets after the first reads.\n"
        "Exit status: 0 done, 2 usage or no dialog to open, 3 no control named CTRL.\n");
}
