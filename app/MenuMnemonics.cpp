#include "app/MenuMnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QHash>
#include <QSet>
#include <functional>

namespace {

void assignActions(const QList<QAction *> &actions)
{
    QList<QAction *> shown;
    QStringList captions;
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        shown << action;
        captions << MenuMnemonics::plain(action->text());
    }
    const QList<int> at = MenuMnemonics::positions(captions);
    for (qsizetype i = 0; i < shown.size(); ++i)
        shown[i]->setText(MenuMnemonics::marked(captions[i], at[i]));
    for (QAction *action : actions)
        if (QMenu *sub = action->menu())
            MenuMnemonics::assign(sub);
}

// The characters of a caption that can be its mnemonic, best first: a word's
// first letter reads best ("&Port Status", "Port &Status"), then any other.
QList<int> candidates(const QString &caption)
{
    QList<int> starts;
    QList<int> others;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (!c.isLetterOrNumber() || c.unicode() >= 128)
            continue;
        const bool start = i == 0 || !caption.at(i - 1).isLetterOrNumber();
        (start ? starts : others) << int(i);
    }
    return starts + others;
}

} // namespace

void MenuMnemonics::assign(QMenuBar *bar)
{
    assignActions(bar->actions());
}

void MenuMnemonics::assign(QMenu *menu)
{
    assignActions(menu->actions());
}

QString MenuMnemonics::plain(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            out += text.at(i);
        else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
            out += text.at(++i);
    }
    return out;
}

QString MenuMnemonics::marked(const QString &plain, int at)
{
    QString out;
    out.reserve(plain.size() + 2);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (i == at)
            out += QLatin1Char('&');
        out += plain.at(i);
        if (plain.at(i) == QLatin1Char('&'))
            out += QLatin1Char('&');
    }
    return out;
}

QList<int> MenuMnemonics::positions(const QStringList &captions)
{
    // A matching of items to keys: each item in menu order takes its best
    // free key, or one an earlier item can give up for another of its own,
    // so that as many items as possible get one (a long menu runs short of
    // letters otherwise).
    QList<int> at(captions.size(), -1);
    QHash<QChar, int> owner;
    const auto key = [&](int item, int pos) { return captions[item].at(pos).toLower(); };
    std::function<bool(int, QSet<QChar> &)> place = [&](int item, QSet<QChar> &seen) {
        const QList<int> choices = candidates(captions[item]);
        for (int pos : choices) {
            const QChar k = key(item, pos);
            if (!owner.contains(k)) {
                owner.insert(k, item);
                at[item] = pos;
                return true;
            }
        }
        for (int pos : choices) {
            const QChar k = key(item, pos);
            if (seen.contains(k))
                continue;
            seen.insert(k);
            // The key is this item's while the other looks for another one.
            const int other = owner.value(k);
            const int kept = at[other];
            owner.insert(k, item);
            at[other] = -1;
            if (place(other, seen)) {
                at[item] = pos;
                return true;
            }
            owner.insert(k, other);
            at[other] = kept;
        }
        return false;
    };
    for (int i = 0; i < captions.size(); ++i) {
        QSet<QChar> seen;
        place(i, seen);
    }
    return at;
}
