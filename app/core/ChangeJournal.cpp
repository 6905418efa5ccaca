#include "app/core/ChangeJournal.h"

#include "snmp/QxSNMPWrite.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <pwd.h>
#include <unistd.h>

namespace {

// A lock older than this was left by a process that died holding it.
constexpr int LockStaleMs = 10000;
constexpr int LockWaitMs = 5000;
constexpr int SnmpPort = 161;
// A line longer than this is no entry of ours (and is not read whole).
constexpr qint64 MaximumLine = 4 * 1024 * 1024;

QString fileStem(const QString &address, quint16 port)
{
    QString stem = address;
    // A host name or address stays readable; anything that could leave the folder does not.
    for (QChar &c : stem)
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('_'))
            c = QLatin1Char('_');
    if (stem.isEmpty() || stem.startsWith(QLatin1Char('.')))
        stem.prepend(QLatin1Char('_'));
    if (port != 0 && port != SnmpPort)
        stem += QLatin1Char('_') + QString::number(port);
    return stem;
}

QJsonValue optionalText(const std::optional<QString> &text)
{
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

bool readLines(const QString &fileName, ChangeJournal::Reading &reading)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    int number = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(MaximumLine).trimmed();
        ++number;
        if (line.isEmpty())
            continue;
        QString why;
        if (std::optional<ChangeJournal::Entry> entry = ChangeJournal::fromLine(line, &why))
            reading.entries.append(std::move(*entry));
        else
            reading.warnings.append(QStringLiteral("%1:%2: %3").arg(fileName).arg(number).arg(why));
    }
    return true;
}

} // namespace

ChangeJournal::ChangeJournal(const QString &address, quint16 port, const QString &folder)
    : m_fileName(QDir(folder).filePath(fileStem(address, port) + QStringLiteral(".jsonl")))
{
}

QString ChangeJournal::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/nx2400p/journal");
}

QString ChangeJournal::olderFileName() const
{
    QString older = m_fileName;
    older.insert(older.size() - qsizetype(qstrlen(".jsonl")), QStringLiteral(".1"));
    return older;
}

QString ChangeJournal::Change::text(const QString &arrow) const
{
    return caption + QStringLiteral(": ") + before.value_or(QStringLiteral("?")) + arrow + sent;
}

QString ChangeJournal::currentUser()
{
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

ChangeJournal::Entry ChangeJournal::entryOf(const QxSNMPWrite &write, const QString &program, const QString &user)
{
    Entry entry;
    entry.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    entry.time = QDateTime::currentDateTime();
    entry.program = program;
    entry.user = user;
    entry.command = write.command;
    entry.code = write.code;
    entry.text = write.message();
    for (const QxSNMPWrite::Binding &b : write.bindings) {
        Change change{b.instance, b.caption, b.before, b.sent, b.beforeValue, b.sentValue};
        if (b.secret) {
            if (change.before)
                change.before = QString::fromLatin1(HiddenText);
            change.sent = QString::fromLatin1(HiddenText);
            change.beforeValue.reset();
            change.sentValue.reset();
        }
        entry.changes.append(std::move(change));
    }
    for (const QxSNMPWrite::Binding &b : write.rowBefore)
        if (!b.secret)
            entry.rowBefore.append(Change{b.instance, b.caption, b.before, QString(), b.beforeValue, std::nullopt});
    return entry;
}

QString ChangeJournal::valueText(const QxSNMPValue &value)
{
    QString payload;
    if (value.type == QxSNMPValue::Integer)
        payload = QString::number(value.signedNumber());
    else if (value.isNumeric())
        payload = QString::number(value.number);
    else if (value.isOctets())
        payload = QString::fromLatin1(value.octets.toHex());
    else if (value.type == QxSNMPValue::ObjectId) {
        QStringList arcs;
        for (const quint32 arc : value.arcs)
            arcs << QString::number(arc);
        payload = arcs.join(QLatin1Char('.'));
    }
    return QString::number(value.type) + QLatin1Char(':') + payload;
}

std::optional<QxSNMPValue> ChangeJournal::valueOf(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    bool ok = false;
    const uint type = text.left(colon).toUInt(&ok);
    if (colon < 0 || !ok || type > 0xFF)
        return std::nullopt;
    const QString payload = text.mid(colon + 1);
    QxSNMPValue value;
    value.type = quint8(type);
    if (value.type == QxSNMPValue::Integer) {
        value.number = quint64(payload.toLongLong(&ok));
    } else if (value.isNumeric()) {
        value.number = payload.toULongLong(&ok);
    } else if (value.isOctets()) {
        value.octets = QByteArray::fromHex(payload.toLatin1());
        ok = payload.size() % 2 == 0 && value.octets.toHex() == payload.toLatin1().toLower();
    } else if (value.type == QxSNMPValue::ObjectId) {
        for (const QString &arc : payload.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
            value.arcs.append(arc.toUInt(&ok));
            if (!ok)
                break;
        }
    } else {
        ok = value.type == QxSNMPValue::Null && payload.isEmpty();
    }
    return ok ? std::optional<QxSNMPValue>(value) : std::nullopt;
}

namespace {

QJsonValue optionalValue(const std::optional<QxSNMPValue> &value)
{
    return value ? QJsonValue(ChangeJournal::valueText(*value)) : QJsonValue(QJsonValue::Null);
}

QJsonArray changesArray(const QList<ChangeJournal::Change> &list)
{
    QJsonArray changes;
    for (const ChangeJournal::Change &c : list)
        changes.append(QJsonObject{{"instance", c.instance},
                                   {"caption", c.caption},
                                   {"before", optionalText(c.before)},
                                   {"sent", c.sent},
                                   {"beforeValue", optionalValue(c.beforeValue)},
                                   {"sentValue", optionalValue(c.sentValue)}});
    return changes;
}

} // namespace

QByteArray ChangeJournal::toLine(const Entry &entry)
{
    const QJsonArray changes = changesArray(entry.changes);
    const QJsonObject object{
        {"id", entry.id},
        {"time", entry.time.toOffsetFromUtc(entry.time.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {"program", entry.program},
        {"user", entry.user},
        {"command", entry.command},
        {"changes", changes},
        {"rowBefore", changesArray(entry.rowBefore)},
        {"code", entry.code},
        {"text", entry.text},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<ChangeJournal::Entry> ChangeJournal::fromLine(const QByteArray &line, QString *why)
{
    const auto refuse = [why](const char *reason) -> std::optional<Entry> {
        if (why)
            *why = QString::fromLatin1(reason);
        return std::nullopt;
    };
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refuse("not a JSON object");
    const QJsonObject o = document.object();
    Entry entry;
    entry.id = o.value("id").toString();
    entry.time = QDateTime::fromString(o.value("time").toString(), Qt::ISODateWithMs);
    if (entry.id.isEmpty() || !entry.time.isValid())
        return refuse("no id or time");
    if (!o.value("changes").isArray() || !o.value("code").isDouble())
        return refuse("no changes or outcome");
    entry.program = o.value("program").toString();
    entry.user = o.value("user").toString();
    entry.command = o.value("command").toString();
    entry.code = o.value("code").toInt();
    entry.text = o.value("text").toString();
    const auto readChanges = [](const QJsonArray &array, QList<Change> &into) {
        for (const QJsonValue &value : array) {
            if (!value.isObject())
                return false;
            const QJsonObject c = value.toObject();
            Change change;
            change.instance = c.value("instance").toString();
            change.caption = c.value("caption").toString();
            if (c.value("before").isString())
                change.before = c.value("before").toString();
            change.sent = c.value("sent").toString();
            if (c.value("beforeValue").isString())
                change.beforeValue = valueOf(c.value("beforeValue").toString());
            if (c.value("sentValue").isString())
                change.sentValue = valueOf(c.value("sentValue").toString());
            if (change.instance.isEmpty())
                return false;
            into.append(std::move(change));
        }
        return true;
    };
    if (!readChanges(o.value("changes").toArray(), entry.changes)
        || !readChanges(o.value("rowBefore").toArray(), entry.rowBefore))
        return refuse("a change that is no object, or lacks its instance");
    return entry;
}

bool ChangeJournal::append(const Entry &entry) const
{
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath()))
        return false;
    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    lock.setStaleLockTime(LockStaleMs);
    if (!lock.tryLock(LockWaitMs))
        return false;
    if (QFileInfo(m_fileName).size() >= RotateBytes) {
        QFile::remove(olderFileName());
        if (!QFile::rename(m_fileName, olderFileName()))
            return false;
    }
    QFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = toLine(entry);
    return file.write(line) == line.size() && file.flush();
}

ChangeJournal::Reading ChangeJournal::read() const
{
    Reading reading;
    readLines(olderFileName(), reading);
    readLines(m_fileName, reading);
    return reading;
}
