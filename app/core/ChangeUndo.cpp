#include "app/core/ChangeUndo.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"

#include <algorithm>

namespace {

// RowStatus (SNMPv2-TC), as every row table of the switch writes it.
constexpr qint64 CreateAndGo = 4;
constexpr qint64 Destroy = 6;

using Entry = ChangeJournal::Entry;
using Change = ChangeJournal::Change;
using Outcome = ChangeUndo::Outcome;

Outcome refused(const QString &text)
{
    return {Outcome::Kind::Refused, text, {}};
}

bool absent(const QxSNMPValue &value)
{
    return value.isException();
}

const Change *rowStatusChange(const Entry &entry, std::initializer_list<const char *> texts)
{
    for (const Change &c : entry.changes)
        for (const char *text : texts)
            if (c.sent == QLatin1String(text))
                return &c;
    return nullptr;
}

// The text a value read now is shown as: the entry's own texts where it is one of them.
QString shown(const QxSNMPValue &now, const Change &c)
{
    if (c.sentValue && now == *c.sentValue)
        return c.sent;
    if (c.beforeValue && now == *c.beforeValue && c.before)
        return *c.before;
    if (absent(now))
        return QStringLiteral("(no such row)");
    if (now.type == QxSNMPValue::Integer)
        return QString::number(now.signedNumber());
    if (now.isNumeric())
        return QString::number(now.number);
    if (now.type == QxSNMPValue::OctetString && !now.octets.isEmpty()
        && std::all_of(now.octets.cbegin(), now.octets.cend(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return QString::fromLatin1(now.octets);
    return ChangeJournal::valueText(now);
}

QxSNMPWrite::Binding binding(const Change &c, const QxSNMPValue &value, const QString &text)
{
    QxSNMPWrite::Binding b;
    b.instance = c.instance;
    b.caption = c.caption;
    b.sent = text;
    b.sentValue = value;
    return b;
}

Outcome sent(QxSNMPRequest &request, QxSNMPWrite write, const QList<Change> &confirm)
{
    QxSNMPWrite outcome;
    request.writeValues(std::move(write), true, [&outcome](const QxSNMPWrite &w) { outcome = w; });
    if (!outcome.wentThrough())
        return {Outcome::Kind::Failed, QStringLiteral("Undo: ") + outcome.message(), {}};
    // Read back what the undo wrote.
    QStringList instances;
    for (const Change &c : confirm)
        instances << c.instance;
    if (instances.isEmpty())
        return {Outcome::Kind::Undone, QStringLiteral("Undone"), {}};
    try {
        const QList<QxSNMPValue> now = request.readValues(instances);
        QStringList differ;
        for (qsizetype i = 0; i < confirm.size() && i < now.size(); ++i)
            if (confirm[i].beforeValue && !(now[i] == *confirm[i].beforeValue))
                differ << confirm[i].caption + QStringLiteral(" reads ") + shown(now[i], confirm[i]);
        if (!differ.isEmpty())
            return {Outcome::Kind::Undone, QStringLiteral("Undone, but ") + differ.join(QStringLiteral(", ")), {}};
    } catch (const QxSNMPException &e) {
        return {Outcome::Kind::Undone, QStringLiteral("Undone; reading it back failed: ") + e.text(), {}};
    }
    return {Outcome::Kind::Undone, QStringLiteral("Undone"), {}};
}

} // namespace

QString ChangeUndo::conflictText(const QList<Conflict> &conflicts)
{
    QStringList lines;
    for (const Conflict &c : conflicts)
        lines << c.caption + QStringLiteral(": ") + c.current + QStringLiteral(" -> ") + c.entry + QStringLiteral(" -> ")
                     + c.old;
    return lines.join(QLatin1Char('\n'));
}

ChangeUndo::Outcome ChangeUndo::undo(const Entry &entry, bool force)
{
    if (!entry.wentThrough())
        return refused(QStringLiteral("Only a write that went through can be undone."));
    QxSNMPRequest request;
    QxSNMPWrite write;
    write.command = QStringLiteral("Undo ") + entry.id + QStringLiteral(" (") + entry.command + QLatin1Char(')');
    try {
        if (const Change *created = rowStatusChange(entry, {"createAndGo", "createAndWait"})) {
            // A created row goes again.
            if (absent(request.readValues({created->instance}).value(0)))
                return refused(QStringLiteral("The row is gone already: nothing sent."));
            write.bindings.append(binding(*created, QxSNMPValue::integer(Destroy), QStringLiteral("destroy")));
            return sent(request, write, {});
        }
        if (const Change *deleted = rowStatusChange(entry, {"destroy"})) {
            // A deleted row is made again from its cells as read before the delete.
            if (entry.rowBefore.isEmpty())
                return refused(QStringLiteral("The row's values were not read before it was deleted: nothing sent."));
            const QxSNMPValue now = request.readValues({deleted->instance}).value(0);
            if (!absent(now) && !force)
                return {Outcome::Kind::Conflicts,
                        QStringLiteral("The row exists again."),
                        {{deleted->caption, shown(now, *deleted), deleted->sent, QStringLiteral("createAndGo")}}};
            write.bindings.append(binding(*deleted, QxSNMPValue::integer(CreateAndGo), QStringLiteral("createAndGo")));
            for (const Change &cell : entry.rowBefore)
                if (cell.beforeValue)
                    write.bindings.append(binding(cell, *cell.beforeValue, cell.before.value_or(QString())));
            return sent(request, write, entry.rowBefore);
        }
        // Values go back to what was read before the write.
        QStringList instances;
        for (const Change &c : entry.changes) {
            if (!c.beforeValue || !c.sentValue)
                return refused(c.caption + QStringLiteral(": no value was read before the write, or it is a secret: "
                                                          "nothing sent."));
            instances << c.instance;
        }
        const QList<QxSNMPValue> now = request.readValues(instances);
        QList<Conflict> conflicts;
        for (qsizetype i = 0; i < entry.changes.size() && i < now.size(); ++i) {
            const Change &c = entry.changes[i];
            if (!(now[i] == *c.sentValue))
                conflicts.append({c.caption, shown(now[i], c), c.sent, *c.before});
        }
        if (!conflicts.isEmpty() && !force)
            return {Outcome::Kind::Conflicts, QStringLiteral("The switch holds other values now."), conflicts};
        for (const Change &c : entry.changes)
            write.bindings.append(binding(c, *c.beforeValue, *c.before));
        return sent(request, write, entry.changes);
    } catch (const QxSNMPException &e) {
        return {Outcome::Kind::Failed, QStringLiteral("Undo: ") + e.text(), {}};
    }
}
