#include "app/cli/CliWords.h"

#include "app/cli/CliError.h"

QString CliWords::valueOf(const Option &option)
{
    if (option.value)
        return *option.value;
    if (atEnd())
        throw CliError(option.name + QStringLiteral(" needs a value"));
    return take();
}

std::optional<CliWords::Option> CliWords::option(const QString &word)
{
    if (!word.startsWith(QLatin1String("--")) || word.size() < 3)
        return std::nullopt;
    const qsizetype eq = word.indexOf(QLatin1Char('='));
    if (eq < 0)
        return Option{word, std::nullopt};
    return Option{word.left(eq), word.mid(eq + 1)};
}

int CliWords::number(const QString &option, const QString &text, int minimum, int maximum)
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
