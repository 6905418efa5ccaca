#include "app/CliArguments.h"

#include "app/CliError.h"

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
    if (word == QLatin1String("help") || word == QLatin1String("--help") || word == QLatin1String("-h"))
        return CliArguments::Action::Help;
    return std::nullopt;
}

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

// Walks the words, taking "--name value" and "--name=value" alike.
class Words
{
public:
    explicit Words(const QStringList &words) : m_words(words) {}

    bool atEnd() const { return m_next >= m_words.size(); }
    QString take() { return m_words.at(m_next++); }

    // The value of an option whose name was just taken (with any "=value" split off).
    QString valueOf(const QString &name, const std::optional<QString> &inline_)
    {
        if (inline_)
            return *inline_;
        if (atEnd())
            throw CliError(name + QStringLiteral(" needs a value"));
        return take();
    }

private:
    QStringList m_words;
    qsizetype m_next = 0;
};

struct Option
{
    QString name;
    std::optional<QString> value;
};

std::optional<Option> asOption(const QString &word)
{
    if (!word.startsWith(QLatin1String("--")) || word.size() < 3)
        return std::nullopt;
    const qsizetype eq = word.indexOf(QLatin1Char('='));
    if (eq < 0)
        return Option{word, std::nullopt};
    return Option{word.left(eq), word.mid(eq + 1)};
}

} // namespace

CliArguments CliArguments::parse(const QStringList &arguments)
{
    CliArguments a;
    Words words(arguments);
    bool haveAction = false;
    bool haveCommand = false;
    while (!words.atEnd()) {
        const QString word = words.take();
        if (const std::optional<Option> option = asOption(word)) {
            const QString &name = option->name;
            if (name == QLatin1String("--port"))
                a.port = number(name, words.valueOf(name, option->value), 1, 65535);
            else if (name == QLatin1String("--timeout"))
                a.timeout = number(name, words.valueOf(name, option->value), 1, 360000);
            else if (name == QLatin1String("--retries"))
                a.retries = number(name, words.valueOf(name, option->value), 0, 100);
            else if (name == QLatin1String("--csv") && !option->value)
                a.format = Format::Csv;
            else if (name == QLatin1String("--json") && !option->value)
                a.format = Format::Json;
            else if (name == QLatin1String("--row"))
                a.row = words.valueOf(name, option->value).trimmed();
            else if (name == QLatin1String("--watch") && !option->value)
                a.watch = true;
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
        if (a.action == Action::List || a.action == Action::Leds)
            throw CliError(QStringLiteral("Unexpected \"%1\"").arg(word));
        if (!haveCommand) {
            a.command = word;
            haveCommand = true;
            continue;
        }
        if ((a.action == Action::Set || a.action == Action::Add) && word.contains(QLatin1Char('='))) {
            a.assignments.append(word);
            continue;
        }
        throw CliError(QStringLiteral("Unexpected \"%1\"").arg(word));
    }

    if (!haveAction)
        throw CliError(QStringLiteral("No action given (list, show, set, add, delete or leds)"));
    const bool needsCommand = a.action == Action::Show || a.action == Action::Set || a.action == Action::Add
                              || a.action == Action::Delete;
    if (needsCommand && !haveCommand)
        throw CliError(QStringLiteral("Name the command: its menu path or the end of it"));
    if ((a.action == Action::Set || a.action == Action::Add) && a.assignments.isEmpty())
        throw CliError(QStringLiteral("Give at least one CAPTION=VALUE"));
    if (a.action == Action::Delete && !a.row)
        throw CliError(QStringLiteral("delete needs --row INDEX"));
    if (a.row && a.action != Action::Set && a.action != Action::Delete)
        throw CliError(QStringLiteral("--row belongs to set and delete"));
    if (a.row && a.row->isEmpty())
        throw CliError(QStringLiteral("--row needs a row instance"));
    if (a.format != Format::Text && a.action != Action::Show)
        throw CliError(QStringLiteral("--csv and --json belong to show"));
    if (a.watch && a.action != Action::Leds)
        throw CliError(QStringLiteral("--watch belongs to leds"));
    return a;
}

QString CliArguments::usage()
{
    return QStringLiteral(
        "Usage: nx2400p-cli [launch parameters] [--port N] [--timeout CS] [--retries N] ACTION ...\n"
        "Launch parameters are the module's own: /IADDRESS /RCOMMUNITY /WCOMMUNITY /vVERSION ...\n"
        "Actions:\n"
        "  list                                   every menu item that carries a command\n"
        "  show COMMAND [--csv | --json]          read a command's variables\n"
        "  set COMMAND [--row INDEX] CAPTION=VALUE ...\n"
        "  add COMMAND CAPTION=VALUE ...          add a table row (createAndGo)\n"
        "  delete COMMAND --row INDEX             delete a table row (destroy)\n"
        "  leds [--watch]                         the front panel's LEDs, once or every 3 s\n"
        "COMMAND is a menu path (\"Basic Configuration > Agent Management > Trust Host > Trust Host Table\")\n"
        "or any final part of it that names one command only. CAPTION is a variable's caption or #N, its\n"
        "row number in the command's list (counted from 0). INDEX is a row's instance, as --json shows it.\n");
}
