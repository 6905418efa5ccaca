#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Puts rows of value texts into the three forms the command-line client prints:
// aligned columns under a header, RFC 4180 CSV with a header line, and a JSON
// array of objects keyed by the header's captions. Scalar groups print as
// "caption: value" lines.
class CliTableWriter
{
public:
    explicit CliTableWriter(QStringList header) : m_header(std::move(header)) {}

    // A row as many texts as the header has captions; `instance` is the row's
    // instance, written into JSON objects as the field "instance" when not empty.
    void addRow(const QStringList &values, const QString &instance = QString());
    int rowCount() const { return int(m_rows.size()); }

    QString aligned() const;
    QString csv() const;
    QString json() const;
    // One "caption: value" line per caption, from the first row.
    QString captionLines() const;

    static QString csvField(const QString &text);
    static QString jsonString(const QString &text);

private:
    struct Row
    {
        QStringList values;
        QString instance;
    };

    // Captions made unique for JSON keys: a repeated caption gets " #N" (its column).
    QStringList jsonKeys() const;

    QStringList m_header;
    QList<Row> m_rows;
};
