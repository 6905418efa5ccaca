#pragma once

#include "app/core/ConfigSnapshot.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// What differs between two snapshots, command by command (by menu path), row
// by row (by instance) and value by value (by caption): rows one has and the
// other lacks, and values that changed. The switch and the time do not count.
class SnapshotDiff final
{
public:
    struct Change
    {
        QString caption;
        QString oid;
        std::optional<QString> from; // none: unknown (a secret not read back)
        std::optional<QString> to;
        bool fromMissing = false; // the value is in `to` only
        bool toMissing = false;   // the value is in `from` only
    };
    struct RowDifference
    {
        enum class Kind { Added, Removed, Changed };
        Kind kind = Kind::Changed;
        QString path;
        QString key;
        QString keyText;
        // Changed: the values that differ; Added and Removed: the row's values.
        QList<Change> changes;
    };

    // From `a` to `b`: Added rows are in b only, Removed rows in a only.
    static QList<RowDifference> compare(const ConfigSnapshot &a, const ConfigSnapshot &b);
    // The same over the commands both have: a switch compared with a file
    // differs in nothing where it could not be read.
    static QList<RowDifference> compareCommon(const ConfigSnapshot &a, const ConfigSnapshot &b);

    // Readable, by command: "+ row", "- row", "~ row" with "caption: old -> new".
    static QString text(const QList<RowDifference> &differences);
    static QByteArray json(const QList<RowDifference> &differences);

    // A row's name in the texts: "VLAN ID=5" or its instance; "(scalars)".
    static QString rowName(const QString &key, const QString &keyText);
    // A value for the texts: quoted when it has blanks at its ends or is
    // empty; "(unknown)" for a value not read back; "(none)" for no value.
    static QString valueText(const std::optional<QString> &value, bool missing = false);
};
