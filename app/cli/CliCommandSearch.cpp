#include "app/cli/CliCommandSearch.h"

#include "snmp/QxSNMPVarList.h"
#include "tables/SnapshotTables.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

QStringList captionsOf(const QxDescriptorTable &table, QStringList captions)
{
    if (!table.items)
        return captions;
    const QxSNMPVarList list(table);
    for (int i = 0; i < list.count(); ++i) {
        const QString caption = list.item(i).caption.trimmed();
        if (!caption.isEmpty() && !captions.contains(caption))
            captions << caption;
    }
    return captions;
}

// How well a word matches a text: at the start of a word more than inside one.
int weight(const QString &text, const QString &word, int base)
{
    const qsizetype at = text.indexOf(word);
    if (at < 0)
        return 0;
    for (qsizetype i = at; i >= 0; i = text.indexOf(word, i + 1))
        if (i == 0 || !text.at(i - 1).isLetterOrNumber())
            return base + 2;
    return base;
}

} // namespace

CliCommandSearch::CliCommandSearch(const CliCommandFinder &finder)
{
    for (const CliCommandFinder::Command &c : finder.commands()) {
        if (c.hidden)
            continue;
        Entry e{&c, c.parts.last().toLower(), c.path.toLower(), {}};
        e.fields = captionsOf(c.record->table(), {});
        if (c.record->shape == CommandShape::Dedicated && c.record->target)
            for (const SnapshotTables::Source *s = SnapshotTables::dedicatedSources; s->dialog; ++s)
                if (qstrcmp(s->dialog, c.record->target) == 0)
                    e.fields = captionsOf(*s->table, e.fields);
        m_entries << e;
    }
}

QList<CliCommandSearch::Match> CliCommandSearch::find(const QString &words) const
{
    const QStringList wanted = words.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<Match> matches;
    if (wanted.isEmpty())
        return matches;
    for (const Entry &e : m_entries) {
        Match m{e.command, {}, 0};
        bool all = true;
        for (const QString &word : wanted) {
            int best = std::max(weight(e.caption, word, 10), weight(e.path, word, 5));
            for (const QString &field : e.fields) {
                const int w = weight(field.toLower(), word, 3);
                if (w > 0 && !m.fields.contains(field))
                    m.fields << field;
                best = std::max(best, w);
            }
            if (best == 0) {
                all = false;
                break;
            }
            m.score += best;
        }
        if (all)
            matches << m;
    }
    // Menu order breaks ties: the entries are in it.
    std::stable_sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) { return a.score > b.score; });
    return matches;
}
