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
        Change change{b.instance, b.caption, b.before, b.sent};
        if (b.secret) {
            if (change.before)
                change.before = QString::fromLatin1(HiddenText);
            change.sent = QString::fromLatin1(HiddenText);
        }
        entry.changes.append(std::move(change));
    }
    return entry;
}

QByteArray ChangeJournal::toLine(const Entry &entry)
{
    QJsonArray changes;
    for (const Change &c : entry.changes)
        changes.append(QJsonObject{{"instance", c.instance},
                                   {"caption", c.caption},
                                   {"before", optionalText(c.before)},
                                   {"sent", c.sent}});
    const QJsonObject object{
        {"id", entry.id},
        {"time", entry.time.toOffsetFromUtc(entry.time.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {"program", entry.program},
        {"user", entry.user},
        {"command", entry.command},
        {"changes", changes},
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
    for (const QJsonValue &value : o.value("changes").toArray()) {
        if (!value.isObject())
            return refuse("a change that is no object");
        const QJsonObject c = value.toObject();
        Change change;
        change.instance = c.value("instance").toString();
        change.caption = c.value("caption").toString();
        if (c.value("before").isString())
            change.before = c.value("before").toString();
        change.sent = c.value("sent").toString();
        if (change.instance.isEmpty())
            return refuse("a change without its instance");
        entry.changes.append(std::move(change));
    }
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
