#pragma once

#include <QString>

// One --do action of the dialog driver, as text: "type:ED_VLANID=10".
struct DriverAction
{
    enum class Kind { Type, Choose, Tick, Click, Select, Wait, Show, Answer, Close };

    Kind kind = Kind::Click;
    QString control; // the CTRL path; empty for wait, answer and close
    QString value;   // TEXT, 1/0, #N, seconds, yes/no

    // Raises CliError (usage status) for a text that is no action.
    static DriverAction parse(const QString &text);
};
