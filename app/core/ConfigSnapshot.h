#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A switch's configuration as a document: per command (by menu path) and per
// scalar group or table row (by its instance), each writable variable's
// caption, OID instance, syntax and value text. Written as JSON with one value
// a line, commands by path, rows by instance and values by OID, so that equal
// configurations give equal text and a line-based diff of two files shows
// what changed.
class ConfigSnapshot final
{
public:
    static constexpr const char *FormatName = "nx2400p-snapshot 1";

    struct Value
    {
        QString caption;
        QString oid; // the instance: column OID and row instance, or ".0"
        QString syntax;
        // None: the switch holds a value there that it does not read back
        // (a password, a key).
        std::optional<QString> value;

        bool operator==(const Value &) const = default;
    };
    struct Row
    {
        QString key;     // the row instance; empty for a group of scalars
        QString keyText; // the key columns as the dialog shows them, "VLAN ID=5"
        QList<Value> values;

        bool operator==(const Row &) const = default;
        const Value *value(const QString &caption) const;
    };
    struct Command
    {
        QString path;
        QList<Row> rows;

        bool operator==(const Command &) const = default;
        const Row *row(const QString &key) const;
    };
    struct Switch
    {
        QString address;
        quint16 port = 161;
        QString sysName;
        QString sysObjectId;
        QString time; // ISO 8601, UTC
    };

    Switch device;
    QList<Command> commands;

    // Puts commands, rows and values in the document's order.
    void sort();
    // The same configuration: every command, row and value alike; the switch
    // and the time do not count.
    bool sameConfiguration(const ConfigSnapshot &other) const { return commands == other.commands; }
    const Command *command(const QString &path) const;

    QByteArray toJson() const;
    // The document a text holds, or none and why.
    static std::optional<ConfigSnapshot> fromJson(const QByteArray &text, QString *why = nullptr);
    // The document in a file, or none and why (the file's name in the text).
    static std::optional<ConfigSnapshot> fromFile(const QString &fileName, QString *why = nullptr);

    // "integer", "octetstr", "ipaddress", ... for a syntax code.
    static QString syntaxName(quint32 syntax);
};
