#include "app/core/RestorePlan.h"

#include "app/core/SnapshotDiff.h"
#include "snmp/QxSNMPVarList.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

using Step = RestorePlan::Step;
using Cell = RestorePlan::Cell;

// A source's configuration columns: list position and column OID.
struct Column
{
    int position;
    QString oid;
    QString caption;
};

QList<Column> columnsOf(const SnapshotScope::Source &source)
{
    const QxSNMPVarList list = SnapshotScope::readList(source);
    QList<Column> columns;
    for (int i = 0; i < list.count(); ++i)
        if (SnapshotScope::isConfiguration(list, i))
            columns.append({i, list.baseOid(i), list.item(i).caption.trimmed()});
    return columns;
}

bool isTable(const SnapshotScope::Source &source)
{
    return source.table.kind == MVT_FMV || source.table.kind == MVT_UMV;
}

QString cellOid(const SnapshotScope::Source &source, const Column &column, const QString &key)
{
    return column.oid + QLatin1Char('.') + (isTable(source) ? key : QStringLiteral("0"));
}

using Values = QHash<QString, const ConfigSnapshot::Value *>;

Values valuesOf(const ConfigSnapshot::Row *row)
{
    Values values;
    if (row)
        for (const ConfigSnapshot::Value &v : row->values)
            values.insert(v.oid, &v);
    return values;
}

// One source's part of one row, in the snapshot and on the switch.
struct RowPart
{
    const SnapshotScope::Source *source;
    QList<Column> columns;
    QString key;
    QString keyText;
    Values wanted;
    Values live;
    bool inWanted = false;
    bool inLive = false;
};

QString rowLabel(const RowPart &part)
{
    return part.source->path + QStringLiteral(" [") + SnapshotDiff::rowName(part.key, part.keyText) + QLatin1Char(']');
}

} // namespace

QString RestorePlan::Step::text() const
{
    QString out;
    switch (kind) {
    case Kind::Create:
        out = QStringLiteral("Create ");
        break;
    case Kind::Change:
        out = QStringLiteral("Change ");
        break;
    case Kind::Delete:
        out = QStringLiteral("Delete ");
        break;
    }
    out += path + QStringLiteral(" [") + SnapshotDiff::rowName(key, keyText) + QLatin1Char(']');
    if (kind == Kind::Delete)
        return out;
    QStringList parts;
    for (const Cell &c : cells)
        parts.append(c.caption + QStringLiteral(": ") + SnapshotDiff::valueText(c.before, !c.before) + QStringLiteral(" -> ")
                     + SnapshotDiff::valueText(c.value));
    return out + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

RestorePlan RestorePlan::make(const ConfigSnapshot &wanted, const ConfigSnapshot &live,
                              const QList<SnapshotScope::Source> &sources)
{
    RestorePlan plan;
    // Every source's part of every row both documents have under its command,
    // in menu order: a value two commands show is written under the first.
    QList<RowPart> parts;
    for (const ConfigSnapshot::Command &command : wanted.commands) {
        if (!SnapshotScope::find(sources, command.path))
            plan.notes.append(command.path + QStringLiteral(": not a command this module reads; left as it is"));
        else if (!live.command(command.path))
            plan.notes.append(command.path + QStringLiteral(": could not be read from the switch; left as it is"));
    }
    for (const SnapshotScope::Source &source : sources) {
        const ConfigSnapshot::Command *command = wanted.command(source.path);
        const ConfigSnapshot::Command *now = live.command(source.path);
        if (!command || !now)
            continue;
        QStringList keys;
        QHash<QString, QString> keyTexts;
        for (const ConfigSnapshot::Row &r : command->rows + now->rows)
            if (!keyTexts.contains(r.key)) {
                keys.append(r.key);
                keyTexts.insert(r.key, r.keyText);
            }
        const QList<Column> columns = columnsOf(source);
        for (const QString &key : keys) {
            if (isTable(source) == key.isEmpty())
                continue;
            RowPart part{&source, columns, key, keyTexts.value(key), valuesOf(command->row(key)), valuesOf(now->row(key))};
            for (const Column &c : columns) {
                const QString oid = cellOid(source, c, key);
                part.inWanted = part.inWanted || part.wanted.contains(oid);
                part.inLive = part.inLive || part.live.contains(oid);
            }
            if (part.inWanted || part.inLive)
                parts.append(std::move(part));
        }
    }

    QSet<QString> claimed; // cells some step writes already
    QList<Step> writes;
    QList<Step> deletes;
    // Rows to make and rows to remove first: a made row takes all its values.
    for (const RowPart &part : parts) {
        const SnapshotScope::Source &source = *part.source;
        if (source.rowStatusColumn < 0 || part.inWanted == part.inLive)
            continue;
        const auto status = std::find_if(part.columns.begin(), part.columns.end(),
                                         [&source](const Column &c) { return c.position == source.rowStatusColumn; });
        if (status == part.columns.end())
            continue;
        const QString statusOid = cellOid(source, *status, part.key);
        if (claimed.contains(statusOid))
            continue;
        claimed.insert(statusOid);
        Step step{part.inWanted ? Step::Kind::Create : Step::Kind::Delete, source.path, &source, part.key,
                  part.keyText, SnapshotScope::rank(part.columns.first().oid), {}};
        if (part.inLive) {
            for (const Column &c : part.columns)
                if (const ConfigSnapshot::Value *v = part.live.value(cellOid(source, c, part.key)); v && v->value)
                    step.rowBefore.append({c.position, c.caption, cellOid(source, c, part.key), v->value, *v->value});
            const ConfigSnapshot::Value *now = part.live.value(statusOid);
            step.cells.append({status->position, status->caption, statusOid, now ? now->value : std::nullopt,
                               QLatin1String(DestroyText)});
            deletes.append(step);
            continue;
        }
        for (const Column &c : part.columns) {
            const QString oid = cellOid(source, c, part.key);
            const ConfigSnapshot::Value *v = part.wanted.value(oid);
            if (c.position == source.rowStatusColumn || !v)
                continue;
            claimed.insert(oid);
            if (!v->value) {
                plan.notes.append(rowLabel(part) + QStringLiteral(": ") + c.caption
                                  + QStringLiteral(" was not read back; the new row takes the switch's default"));
                continue;
            }
            step.cells.append({c.position, c.caption, oid, std::nullopt, *v->value});
        }
        step.cells.append({status->position, status->caption, statusOid, std::nullopt, QLatin1String(CreateText)});
        writes.append(step);
    }
    // Then the values that differ in rows both have.
    for (const RowPart &part : parts) {
        const SnapshotScope::Source &source = *part.source;
        if (part.inWanted && !part.inLive && source.rowStatusColumn < 0) {
            plan.notes.append(rowLabel(part) + QStringLiteral(": not on the switch, and its rows are not made here"));
            continue;
        }
        if (!part.inWanted && part.inLive && source.rowStatusColumn < 0) {
            plan.notes.append(rowLabel(part) + QStringLiteral(": not in the snapshot, and its rows are not removed here"));
            continue;
        }
        // A row made under another command gets this command's values here.
        if (!part.inWanted)
            continue;
        Step step{Step::Kind::Change, source.path, &source, part.key, part.keyText,
                  SnapshotScope::rank(part.columns.first().oid), {}};
        for (const Column &c : part.columns) {
            const QString oid = cellOid(source, c, part.key);
            const ConfigSnapshot::Value *want = part.wanted.value(oid);
            const ConfigSnapshot::Value *now = part.live.value(oid);
            if (!want || claimed.contains(oid))
                continue;
            if (!want->value) {
                if (now)
                    plan.notes.append(rowLabel(part) + QStringLiteral(": ") + c.caption
                                      + QStringLiteral(" was not read back; left as it is"));
                continue;
            }
            if (now && now->value == want->value)
                continue;
            claimed.insert(oid);
            step.cells.append({c.position, c.caption, oid, now ? now->value : std::nullopt, *want->value});
        }
        if (!step.cells.isEmpty())
            writes.append(step);
    }

    // Made and changed in rising rank (within a rank, made before changed);
    // removed in falling rank, the last planned first.
    std::stable_sort(writes.begin(), writes.end(), [](const Step &a, const Step &b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        return a.kind == Step::Kind::Create && b.kind != Step::Kind::Create;
    });
    std::reverse(deletes.begin(), deletes.end());
    std::stable_sort(deletes.begin(), deletes.end(), [](const Step &a, const Step &b) { return a.rank > b.rank; });
    plan.steps = writes + deletes;
    return plan;
}

int RestorePlan::deletions() const
{
    return int(std::count_if(steps.begin(), steps.end(), [](const Step &s) { return s.kind == Step::Kind::Delete; }));
}

QString RestorePlan::text() const
{
    QString out;
    for (qsizetype i = 0; i < steps.size(); ++i)
        out += QString::number(i + 1) + QStringLiteral(". ") + steps.at(i).text() + QLatin1Char('\n');
    if (steps.isEmpty())
        out += QStringLiteral("Nothing to write: the switch holds the snapshot's configuration.\n");
    for (const QString &note : notes)
        out += QStringLiteral("note: ") + note + QLatin1Char('\n');
    return out;
}
