#pragma once

#include <QString>

// One --do action of the dialog driver, as text: "type:ED_VLANID=10".
struct DriverAction
{
    enum class Kind { Type, Choose, Tick, Click, Select, Cell, Sort, Filter, Wait, Show, Answer, Close, PortMenu };

    Kind kind = Kind::Click;
    QString control; // the CTRL path (portmenu: the port); empty for wait, answer and close
    QString value;   // TEXT, 1/0, #N, ROW,COLUMN, seconds, yes/no

    // Raises CliError (usage status) for a text that is no action.
    static DriverAction parse(const QString &text);
    // A cell action's row and column.
    int cellRow() const { return value.section(QLatin1Char(','), 0, 0).toInt(); }
    int cellColumn() const { return value.section(QLatin1Char(','), 1, 1).toInt(); }
    // A sort action's column (a header caption or a number from 0) and order.
    QString sortColumn() const { return sortDescending() ? value.chopped(5) : value; }
    bool sortDescending() const { return value.endsWith(QLatin1String(",desc")); }
};
