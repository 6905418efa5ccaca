#pragma once

#include "tables/CommandRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The catalogue's commands by menu path, as the main menu lays them out: the
// captions of the top-level menu, the submenus and the item joined by " > ".
// A command is found by its whole path or by any final part of the path that
// names one command only; parts are compared without surrounding blanks.
class CliCommandFinder
{
public:
    struct Command
    {
        QString path;
        QStringList parts; // the path's captions without surrounding blanks
        const CommandRecord *record = nullptr;
        bool hidden = false; // the item or a menu above it is hidden
    };

    CliCommandFinder();

    // Every menu item that carries a command (shape E, T, D, V or S), in menu order.
    const QList<Command> &commands() const { return m_commands; }

    // Raises CliError when no command or more than one command answers to the name.
    const Command &find(const QString &name) const;

    // E, T, D, V or S; "-" for the shapes that carry no command.
    static QString shapeLetter(CommandShape shape);

private:
    QList<Command> m_commands;
};
