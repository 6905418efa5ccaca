#include "app/core/SnapshotScope.h"

#include "snmp/QxSNMPVarList.h"
#include "tables/CommandRecord.h"
#include "tables/SnapshotTables.h"

#include <QSet>

namespace {

const QSet<QString> &notConfiguration()
{
    static const QSet<QString> oids = [] {
        QSet<QString> set;
        for (const char *const *oid = SnapshotTables::notConfiguration; *oid; ++oid)
            set.insert(QxSNMPVariable::expandOid(*oid));
        return set;
    }();
    return oids;
}

bool hasConfiguration(const QxDescriptorTable &table)
{
    if (!table.items || (table.kind != SVT_SV && table.kind != MVT_FMV && table.kind != MVT_UMV))
        return false; // one row at an instance chosen at run time: nothing to walk
    const QxSNMPVarList list(table);
    for (int i = 0; i < list.count(); ++i)
        if (SnapshotScope::isConfiguration(list, i))
            return true;
    return false;
}

} // namespace

QList<SnapshotScope::Source> SnapshotScope::sources(const QList<MenuCommand> &commands)
{
    QList<Source> out;
    for (const MenuCommand &c : commands) {
        const CommandRecord &r = *c.record;
        if (r.hidden)
            continue;
        if ((r.shape == CommandShape::Editor || r.shape == CommandShape::Table) && hasConfiguration(r.table())) {
            out.append({c.path, r.table(), r.rowStatusColumn, (r.flags & CommandFlag::NeedsV2c) != 0});
            continue;
        }
        if (r.shape != CommandShape::Dedicated || !r.target)
            continue;
        for (const SnapshotTables::Source *s = SnapshotTables::dedicatedSources; s->dialog; ++s)
            if (qstrcmp(s->dialog, r.target) == 0 && hasConfiguration(*s->table))
                out.append({c.path, *s->table, s->rowStatusColumn, false});
    }
    return out;
}

const SnapshotScope::Source *SnapshotScope::find(const QList<Source> &sources, const QString &path)
{
    for (const Source &s : sources)
        if (s.path == path)
            return &s;
    return nullptr;
}

QxSNMPVarList SnapshotScope::readList(const Source &source)
{
    QxSNMPVarList list(source.table);
    for (int i = list.keyCount(); i < list.count(); ++i)
        if (!isConfiguration(list, i))
            list.item(i).setFlag(QxAccess::invalid, true);
    return list;
}

bool SnapshotScope::isConfiguration(const QxSNMPVarList &list, int position)
{
    const QxSNMPVariable &v = list.item(position);
    if (list.isTableKind() && position < list.keyCount())
        return false;
    if (!v.has(QxAccess::writeonly) || v.has(QxAccess::derived) || v.oid.isEmpty())
        return false;
    return !notConfiguration().contains(v.oid);
}

int SnapshotScope::rank(const QString &oid)
{
    static const QList<QPair<QString, int>> ranks = [] {
        QList<QPair<QString, int>> list;
        for (const SnapshotTables::Rank *r = SnapshotTables::restoreRanks; r->prefix; ++r)
            list.append({QxSNMPVariable::expandOid(r->prefix), r->rank});
        return list;
    }();
    // The longest prefix that stops at an arc decides.
    int best = SnapshotTables::DefaultRank;
    qsizetype bestLength = -1;
    for (const auto &[prefix, rank] : ranks) {
        if (prefix.size() > bestLength && oid.startsWith(prefix)
            && (oid.size() == prefix.size() || oid.at(prefix.size()) == QLatin1Char('.'))) {
            best = rank;
            bestLength = prefix.size();
        }
    }
    return best;
}
