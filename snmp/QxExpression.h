#pragma once

#include <QString>

// The expression languages of derived values and row conditions, evaluated on
// texts whose variable references have already been replaced by values.
class QxExpression
{
public:
    // Arithmetic: parentheses, then "+", "-", "*" and "/" (left to right within
    // each level), decimal reals and "NOW" (the current local date-time as days
    // since 1899-12-30). Raises -513 for a text that is not an expression.
    static double evaluate(const QString &text);

    // Logic: parentheses, "|", "&", "!" and comparisons "<>", ">=", "<=", ">",
    // "<", "=" of two operands (double-quoted texts or numbers; two numbers
    // compare as numbers), or the words "true"/"false". Raises -1 "Bad logic
    // operand!" for anything else.
    static bool evaluateLogic(const QString &text);

    static bool compare(const QString &text);
};
