#include "app/cli/CliCommandFinder.h"

#include "app/cli/CliError.h"
#include "tables/CommandCatalogue.h"

namespace {

QStringList trimmedParts(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('>'));
    for (QString &p : parts)
        p = p.trimmed();
    return parts;
}

bool endsWith(const QStringList &parts, const QStringList &tail)
{
    if (tail.size() > parts.size())
        return false;
    const qsizetype offset = parts.size() - tail.size();
    for (qsizetype i = 0; i < tail.size(); ++i) {
        if (parts.at(offset + i) != tail.at(i))
            return false;
    }
    return true;
}

} // namespace

CliCommandFinder::CliCommandFinder()
{
    // The same placing by depth as the main menu's: a record goes under the
    // nearest menu record above it with a smaller depth.
    for (const CommandGroup *group : CommandCatalogue::groups()) {
        QStringList path{QString::fromLatin1(group->topMenu)};
        QList<bool> hiddenAbove{false};
        for (const CommandRecord *r = group->records; r && r->caption; ++r) {
            const qsizetype depth = std::min<qsizetype>(r->depth, path.size() - 1);
            path.resize(depth + 1);
            hiddenAbove.resize(depth + 1);
            // An item whose command does nothing carries none to name.
            if (r->shape == CommandShape::Separator || r->shape == CommandShape::Nothing)
                continue;
            const QString caption = QString::fromLatin1(r->caption);
            if (r->shape == CommandShape::Menu) {
                path.append(caption);
                hiddenAbove.append(hiddenAbove.last() || r->hidden);
                continue;
            }
            Command c;
            c.path = (path + QStringList{caption}).join(QStringLiteral(" > "));
            c.parts = trimmedParts(c.path);
            c.record = r;
            c.hidden = r->hidden || hiddenAbove.last();
            m_commands.append(c);
        }
    }
}

const CliCommandFinder::Command &CliCommandFinder::find(const QString &name) const
{
    const QStringList wanted = trimmedParts(name);
    if (wanted.isEmpty() || wanted.contains(QString()))
        throw CliError(QStringLiteral("No command is named \"%1\"").arg(name));

    QList<const Command *> matches;
    for (const Command &c : m_commands) {
        if (c.parts == wanted)
            return c;
        if (endsWith(c.parts, wanted))
            matches.append(&c);
    }
    if (matches.size() == 1)
        return *matches.first();
    if (matches.isEmpty())
        throw CliError(QStringLiteral("No command is named \"%1\"").arg(name));
    QString text = QStringLiteral("\"%1\" names %2 commands; give more of the path:").arg(name).arg(matches.size());
    for (const Command *c : matches)
        text += QStringLiteral("\n  ") + c->path;
    throw CliError(text);
}

QString CliCommandFinder::shapeLetter(CommandShape shape)
{
    switch (shape) {
    case CommandShape::Editor:
        return QStringLiteral("E");
    case CommandShape::Table:
        return QStringLiteral("T");
    case CommandShape::Dedicated:
        return QStringLiteral("D");
    case CommandShape::Viewer:
        return QStringLiteral("V");
    case CommandShape::Action:
        return QStringLiteral("S");
    case CommandShape::Menu:
    case CommandShape::Separator:
    case CommandShape::Nothing:
        break;
    }
    return QStringLiteral("-");
}
