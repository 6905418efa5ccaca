#include "app/core/SnapshotDiff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

using RowDifference = SnapshotDiff::RowDifference;

QList<SnapshotDiff::Change> valuesOf(const ConfigSnapshot::Row &row, bool added)
{
    QList<SnapshotDiff::Change> changes;
    for (const ConfigSnapshot::Value &v : row.values) {
        SnapshotDiff::Change c;
        c.caption = v.caption;
        c.oid = v.oid;
        (added ? c.to : c.from) = v.value;
        (added ? c.fromMissing : c.toMissing) = true;
        changes.append(c);
    }
    return changes;
}

QList<SnapshotDiff::Change> changesOf(const ConfigSnapshot::Row &a, const ConfigSnapshot::Row &b)
{
    QList<SnapshotDiff::Change> changes;
    QSet<QString> seen;
    for (const ConfigSnapshot::Value &va : a.values) {
        seen.insert(va.oid);
        const auto vb = std::find_if(b.values.begin(), b.values.end(),
                                     [&va](const ConfigSnapshot::Value &v) { return v.oid == va.oid; });
        SnapshotDiff::Change c;
        c.caption = va.caption;
        c.oid = va.oid;
        c.from = va.value;
        if (vb == b.values.end()) {
            c.toMissing = true;
        } else {
            // A value not read back on either side cannot be compared.
            if (!va.value || !vb->value || *va.value == *vb->value)
                continue;
            c.to = vb->value;
        }
        changes.append(c);
    }
    for (const ConfigSnapshot::Value &vb : b.values) {
        if (seen.contains(vb.oid))
            continue;
        SnapshotDiff::Change c;
        c.caption = vb.caption;
        c.oid = vb.oid;
        c.to = vb.value;
        c.fromMissing = true;
        changes.append(c);
    }
    return changes;
}

QString kindMark(RowDifference::Kind kind)
{
    switch (kind) {
    case RowDifference::Kind::Added:
        return QStringLiteral("+");
    case RowDifference::Kind::Removed:
        return QStringLiteral("-");
    case RowDifference::Kind::Changed:
        break;
    }
    return QStringLiteral("~");
}

QString kindName(RowDifference::Kind kind)
{
    switch (kind) {
    case RowDifference::Kind::Added:
        return QStringLiteral("added");
    case RowDifference::Kind::Removed:
        return QStringLiteral("removed");
    case RowDifference::Kind::Changed:
        break;
    }
    return QStringLiteral("changed");
}

QJsonValue jsonValue(const std::optional<QString> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

} // namespace

QList<RowDifference> SnapshotDiff::compare(const ConfigSnapshot &a, const ConfigSnapshot &b)
{
    QList<RowDifference> out;
    QSet<QString> paths;
    for (const ConfigSnapshot::Command &c : a.commands)
        paths.insert(c.path);
    for (const ConfigSnapshot::Command &c : b.commands)
        paths.insert(c.path);
    QStringList ordered(paths.begin(), paths.end());
    ordered.sort();
    const ConfigSnapshot::Command none;
    for (const QString &path : ordered) {
        const ConfigSnapshot::Command *ca = a.command(path);
        const ConfigSnapshot::Command *cb = b.command(path);
        const ConfigSnapshot::Command &ra = ca ? *ca : none;
        const ConfigSnapshot::Command &rb = cb ? *cb : none;
        // Both sides are sorted by instance; a merge keeps that order.
        for (const ConfigSnapshot::Row &row : ra.rows) {
            const ConfigSnapshot::Row *other = rb.row(row.key);
            if (!other) {
                out.append({RowDifference::Kind::Removed, path, row.key, row.keyText, valuesOf(row, false)});
                continue;
            }
            QList<Change> changes = changesOf(row, *other);
            if (!changes.isEmpty())
                out.append({RowDifference::Kind::Changed, path, row.key, row.keyText, std::move(changes)});
        }
        for (const ConfigSnapshot::Row &row : rb.rows)
            if (!ra.row(row.key))
                out.append({RowDifference::Kind::Added, path, row.key, row.keyText, valuesOf(row, true)});
    }
    return out;
}

QList<RowDifference> SnapshotDiff::compareCommon(const ConfigSnapshot &a, const ConfigSnapshot &b)
{
    ConfigSnapshot commonA = a;
    commonA.commands.removeIf([&b](const ConfigSnapshot::Command &c) { return !b.command(c.path); });
    ConfigSnapshot commonB = b;
    commonB.commands.removeIf([&a](const ConfigSnapshot::Command &c) { return !a.command(c.path); });
    return compare(commonA, commonB);
}

QString SnapshotDiff::rowName(const QString &key, const QString &keyText)
{
    if (key.isEmpty())
        return QStringLiteral("(scalars)");
    return keyText.isEmpty() ? QStringLiteral("row ") + key : keyText;
}

QString SnapshotDiff::valueText(const std::optional<QString> &value, bool missing)
{
    if (missing)
        return QStringLiteral("(none)");
    if (!value)
        return QStringLiteral("(unknown)");
    if (value->isEmpty() || value->front().isSpace() || value->back().isSpace())
        return QLatin1Char('"') + *value + QLatin1Char('"');
    return *value;
}

QString SnapshotDiff::text(const QList<RowDifference> &differences)
{
    QString out;
    QString path;
    for (const RowDifference &d : differences) {
        if (d.path != path) {
            path = d.path;
            out += path + QLatin1Char('\n');
        }
        out += QStringLiteral("  ") + kindMark(d.kind) + QLatin1Char(' ') + rowName(d.key, d.keyText) + QLatin1Char('\n');
        for (const Change &c : d.changes) {
            out += QStringLiteral("      ") + c.caption + QStringLiteral(": ");
            if (d.kind == RowDifference::Kind::Added)
                out += valueText(c.to);
            else if (d.kind == RowDifference::Kind::Removed)
                out += valueText(c.from);
            else
                out += valueText(c.from, c.fromMissing) + QStringLiteral(" -> ") + valueText(c.to, c.toMissing);
            out += QLatin1Char('\n');
        }
    }
    return out;
}

QByteArray SnapshotDiff::json(const QList<RowDifference> &differences)
{
    QJsonArray rows;
    for (const RowDifference &d : differences) {
        QJsonArray changes;
        for (const Change &c : d.changes) {
            QJsonObject o{{QStringLiteral("caption"), c.caption}, {QStringLiteral("oid"), c.oid}};
            if (!c.fromMissing)
                o.insert(QStringLiteral("old"), jsonValue(c.from));
            if (!c.toMissing)
                o.insert(QStringLiteral("new"), jsonValue(c.to));
            changes.append(o);
        }
        rows.append(QJsonObject{{QStringLiteral("command"), d.path},
                                {QStringLiteral("kind"), kindName(d.kind)},
                                {QStringLiteral("key"), d.key},
                                {QStringLiteral("keyText"), d.keyText},
                                {QStringLiteral("values"), changes}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("differences"), rows}}).toJson(QJsonDocument::Indented);
}
