#include "snmp/QxIni.h"

#include <QFile>

namespace {

// Trims the blanks and control characters that the profile reader ignores around names and values.
QByteArray trimmed(const QByteArray &text)
{
    return text.trimmed();
}

bool sameName(const QByteArray &a, const QString &b)
{
    return QString::fromLocal8Bit(a).compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QxIni::QxIni(QString fileName) : m_fileName(std::move(fileName)) {}

QxIni::Lookup QxIni::find(const QString &section, const QString *key) const
{
    Lookup result;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QByteArray content = file.readAll();
    bool inSection = false;
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray t = trimmed(line);
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            const QByteArray name = t.mid(1, close < 0 ? -1 : close - 1);
            inSection = sameName(trimmed(name), section);
            result.sectionFound = result.sectionFound || inSection;
            continue;
        }
        if (!inSection || key == nullptr)
            continue;
        const qsizetype eq = t.indexOf('=');
        if (eq <= 0)
            continue;
        if (!sameName(trimmed(t.left(eq)), *key))
            continue;
        result.keyFound = true;
        // The profile reader copies at most MaxValueLength characters of the raw value.
        const QByteArray raw = trimmed(t.mid(eq + 1)).left(MaxValueLength);
        result.value = QString::fromLocal8Bit(raw).trimmed();
        return result;
    }
    return result;
}

QString QxIni::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Lookup found = find(section, &key);
    return found.value.isEmpty() ? defaultValue : found.value;
}

bool QxIni::hasSection(const QString &section) const
{
    return find(section, nullptr).sectionFound;
}

bool QxIni::hasKey(const QString &section, const QString &key) const
{
    return find(section, &key).keyFound;
}
