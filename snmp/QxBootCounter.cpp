#include "snmp/QxBootCounter.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QList>
#include <QPair>

namespace {

// A lock older than this was left by a process that died holding it.
constexpr int LockStaleMs = 10000;
constexpr int LockWaitMs = 5000;

struct Entry
{
    QByteArray engineHex;
    QByteArray boots;
};

QList<Entry> readEntries(QFile &file)
{
    QList<Entry> entries;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> parts = line.simplified().split(' ');
        entries.append({parts.value(0).toLower(), parts.size() == 2 ? parts[1] : QByteArray()});
    }
    return entries;
}

} // namespace

int QxBootCounter::load(const QString &fileName, const QByteArray &engineId, quint32 &boots)
{
    boots = 0;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen;
    const QByteArray wanted = engineId.toHex();
    for (const Entry &e : readEntries(file)) {
        if (e.engineHex != wanted)
            continue;
        bool ok = false;
        const quint32 value = e.boots.toUInt(&ok);
        if (!ok || value > 2147483647u)
            return BadEntry;
        boots = value;
        return Found;
    }
    return NoEntry;
}

int QxBootCounter::save(const QString &fileName, const QByteArray &engineId, quint32 boots)
{
    // The host starts many modules at once, each saving its own engine's line:
    // the read, the change and the write happen under a lock beside the file,
    // and the new contents replace the file whole, so no line is ever lost.
    QLockFile lock(fileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(LockStaleMs);
    if (!lock.tryLock(LockWaitMs))
        return -1;
    QList<Entry> entries;
    {
        QFile old(fileName);
        if (old.open(QIODevice::ReadOnly))
            entries = readEntries(old);
    }
    const QByteArray wanted = engineId.toHex();
    QByteArray out;
    bool written = false;
    for (const Entry &e : entries) {
        bool ok = false;
        e.boots.toUInt(&ok);
        if (e.engineHex == wanted) {
            if (!written)
                out += wanted + ' ' + QByteArray::number(boots) + '\n';
            written = true;
        } else if (ok && !e.engineHex.isEmpty()) {
            out += e.engineHex + ' ' + e.boots + '\n';
        }
    }
    if (!written)
        out += wanted + ' ' + QByteArray::number(boots) + '\n';

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        return -1;
    return 0;
}
