#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QMenu;
class QMenuBar;

// Gives every item of the menu bar and of its menus a mnemonic (Alt+letter),
// no two alike within one menu: a word's first letter where one is free, else
// any letter or digit of the caption. Captions keep their words; a
// literal "&" is kept as one.
class MenuMnemonics final
{
public:
    static void assign(QMenuBar *bar);
    static void assign(QMenu *menu);

    // The caption without its mnemonic marker ("&&" is a literal "&").
    static QString plain(const QString &text);
    // The caption with the marker before character `at` of the plain caption
    // (none when at < 0).
    static QString marked(const QString &plain, int at);
    // Where each caption of one menu has its mnemonic (-1: none left for it).
    static QList<int> positions(const QStringList &captions);
};
