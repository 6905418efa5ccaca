#include "app/cli/CliTableWriter.h"

#include <QSet>

void CliTableWriter::addRow(const QStringList &values, const QString &instance)
{
    QStringList row = values;
    row.resize(m_header.size());
    m_rows.append({row, instance});
}

QString CliTableWriter::aligned() const
{
    QList<qsizetype> widths;
    for (const QString &h : m_header)
        widths.append(h.size());
    for (const Row &r : m_rows) {
        for (qsizetype i = 0; i < r.values.size(); ++i)
            widths[i] = std::max(widths[i], r.values.at(i).size());
    }
    auto line = [&widths](const QStringList &cells) {
        QString out;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i + 1 < cells.size())
                out += cells.at(i).leftJustified(widths.at(i) + 2, QLatin1Char(' '));
            else
                out += cells.at(i);
        }
        // Blank cells at the end would leave trailing blanks.
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        return out + QLatin1Char('\n');
    };
    QString out = line(m_header);
    for (const Row &r : m_rows)
        out += line(r.values);
    return out;
}

QString CliTableWriter::csvField(const QString &text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                       || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quote)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString CliTableWriter::csv() const
{
    auto line = [](const QStringList &cells) {
        QStringList fields;
        for (const QString &c : cells)
            fields.append(csvField(c));
        return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString out = line(m_header);
    for (const Row &r : m_rows)
        out += line(r.values);
    return out;
}

QString CliTableWriter::jsonString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

QStringList CliTableWriter::jsonKeys() const
{
    QStringList keys;
    QSet<QString> seen{QStringLiteral("instance")};
    for (qsizetype i = 0; i < m_header.size(); ++i) {
        QString key = m_header.at(i);
        if (seen.contains(key))
            key += QStringLiteral(" #%1").arg(i);
        seen.insert(key);
        keys.append(key);
    }
    return keys;
}

QString CliTableWriter::json() const
{
    const QStringList keys = jsonKeys();
    QString out = QStringLiteral("[");
    for (qsizetype r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows.at(r);
        out += r == 0 ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        QStringList members;
        if (!row.instance.isEmpty())
            members.append(jsonString(QStringLiteral("instance")) + QStringLiteral(": ") + jsonString(row.instance));
        for (qsizetype i = 0; i < keys.size(); ++i)
            members.append(jsonString(keys.at(i)) + QStringLiteral(": ") + jsonString(row.values.at(i)));
        out += members.join(QStringLiteral(", ")) + QLatin1Char('}');
    }
    out += m_rows.isEmpty() ? QStringLiteral("]\n") : QStringLiteral("\n]\n");
    return out;
}

QString CliTableWriter::captionLines() const
{
    QString out;
    const QStringList values = m_rows.isEmpty() ? QStringList() : m_rows.first().values;
    for (qsizetype i = 0; i < m_header.size(); ++i)
        out += m_header.at(i) + QStringLiteral(": ") + values.value(i) + QLatin1Char('\n');
    return out;
}
