#pragma once

#include "tables/CommandRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class QxSNMPVarList;

// The CAPTION=VALUE words of set and add, checked the way the editor page and the
// add dialog check what the user types: only rows the page lets the user tick,
// option words (or their values) for drop-down rows, the command's input
// constraint formats with their catalogue texts, and no empty value.
class CliAssignments
{
public:
    struct Assignment
    {
        int position = -1;
        QString value; // the value text the page would hand to the write
    };

    enum class Purpose { Edit, Add };

    // What add and delete write into a table's RowStatus column.
    static constexpr const char *AddStatusText = "createAndGo";
    static constexpr const char *DeleteStatusText = "destroy";

    // Raises CliError for a word the page could not take, QxSNMPException for a
    // value its constraint refuses.
    static QList<Assignment> parse(const CommandRecord &record, const QxSNMPVarList &list,
                                   const QStringList &words, Purpose purpose);

    // A variable by caption (compared without surrounding blanks) or by "#N", its
    // row number in the list; raises CliError when there is none.
    static int position(const QxSNMPVarList &list, const QString &name);

    // The format the command gives a row, or an empty text.
    static QString formatOf(const CommandRecord &record, int row);

    // Checks one value of row `position` and returns the text to write.
    static QString checkedValue(const CommandRecord &record, const QxSNMPVarList &list, int position,
                                const QString &text);
};
