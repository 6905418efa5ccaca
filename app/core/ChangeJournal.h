#pragma once

#include "snmp/QxSNMPValue.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct QxSNMPWrite;

// A switch's record of every write the module and the command-line client
// sent to it: one JSON object per line in <folder>/<address>.jsonl, appended
// once the write's outcome is known. Several processes may append to one
// switch's journal at once: each append happens under a lock file beside the
// journal, whole lines only. At a mebibyte the journal moves to
// <address>.1.jsonl (one older file is kept) and a new one starts.
//
// Values of secret variables (keys, passwords, communities) are never stored:
// they read "(hidden)".
class ChangeJournal final
{
public:
    struct Change
    {
        QString instance;
        QString caption;
        std::optional<QString> before; // the value last read there; none when none was read
        QString sent;
        // The same two as they go on the wire (none for a secret, or a text
        // that had no value): what an undo writes and compares with.
        std::optional<QxSNMPValue> beforeValue;
        std::optional<QxSNMPValue> sentValue;

        // "Caption: before ARROW sent" ("?" for a value not read before).
        QString text(const QString &arrow) const;
    };
    struct Entry
    {
        QString id;
        QDateTime time;
        QString program;
        QString user;
        QString command;
        QList<Change> changes;
        // A deleted row's other cells as last read (before / beforeValue only).
        QList<Change> rowBefore;
        int code = 0;
        QString text;

        bool wentThrough() const { return code == 0; }
    };
    struct Reading
    {
        QList<Entry> entries; // oldest first
        QStringList warnings; // one per line that could not be read
    };

    static constexpr qint64 RotateBytes = 1024 * 1024;
    static constexpr const char *HiddenText = "(hidden)";

    // The journal of the switch at address (and port, where it is not SNMP's own).
    ChangeJournal(const QString &address, quint16 port, const QString &folder = defaultFolder());

    // $XDG_STATE_HOME/nx2400p/journal, ~/.local/state/nx2400p/journal by default.
    static QString defaultFolder();
    QString fileName() const { return m_fileName; }
    QString olderFileName() const;

    // The entry a write makes: a new id, the time now, secret values hidden.
    static Entry entryOf(const QxSNMPWrite &write, const QString &program, const QString &user);
    // The OS user running this process.
    static QString currentUser();

    // Appends the entry; false when the journal cannot be written.
    bool append(const Entry &entry) const;
    // Both files, oldest first; a line that is no entry is skipped with a warning.
    Reading read() const;

    static QByteArray toLine(const Entry &entry);
    // A wire value as the journal writes it: "TYPE:PAYLOAD" (decimal, hex octets or a dotted OID).
    static QString valueText(const QxSNMPValue &value);
    static std::optional<QxSNMPValue> valueOf(const QString &text);
    // The entry a line holds, or none (and why).
    static std::optional<Entry> fromLine(const QByteArray &line, QString *why = nullptr);

private:
    QString m_fileName;
};
