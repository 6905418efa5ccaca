#pragma once

#include "app/cli/CliCommandFinder.h"

#include <QList>
#include <QString>
#include <QStringList>

// Finds commands by words, as an engineer remembers them: each word must
// appear in the command's menu path or in the caption of one of its fields
// (the generic pages' variables, the dedicated dialogs' tables); the item's
// own caption counts most, then the path, then the fields, and a word that
// starts a word counts more than one inside it. The main window's search
// field and nx2400p-cli find both ask this.
class CliCommandSearch final
{
public:
    struct Match
    {
        const CliCommandFinder::Command *command = nullptr;
        QStringList fields; // the captions that matched a word
        int score = 0;
    };

    explicit CliCommandSearch(const CliCommandFinder &finder);

    // Best matches first (then menu order); none for no words.
    QList<Match> find(const QString &words) const;

private:
    struct Entry
    {
        const CliCommandFinder::Command *command;
        QString caption; // the item's own, lower case
        QString path;    // lower case
        QStringList fields;
    };
    QList<Entry> m_entries;
};
