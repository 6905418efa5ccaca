#include "snmp/QxExpression.h"

#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxNumberText.h"
#include "snmp/QxSNMPException.h"

#include <cmath>

namespace {

constexpr int kBadExpression = -513;
constexpr int kMaxDepth = 200;

// Position of the parenthesis that closes the one at open, or -1.
qsizetype matchingClose(const QString &t, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('('))
            ++depth;
        else if (t[i] == QLatin1Char(')') && --depth == 0)
            return i;
    }
    return -1;
}

// Whether the sign at i joins two operands (and is not a unary sign or the sign
// of an exponent such as 1e-5).
bool isBinaryOperator(const QString &t, qsizetype i)
{
    qsizetype j = i - 1;
    while (j >= 0 && t[j].isSpace())
        --j;
    if (j < 0)
        return false;
    const QChar prev = t[j];
    if (prev == QLatin1Char('+') || prev == QLatin1Char('-') || prev == QLatin1Char('*') || prev == QLatin1Char('/'))
        return false;
    if ((t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')) && j == i - 1
        && (prev == QLatin1Char('e') || prev == QLatin1Char('E')) && j > 0 && t[j - 1].isDigit())
        return false;
    return true;
}

double number(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        return QxDateTimeDouble::now();
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        QxSNMPException::raiseFramework(kBadExpression);
    return v;
}

double arithmetic(const QString &t, int depth)
{
    if (depth > kMaxDepth)
        QxSNMPException::raiseFramework(kBadExpression);
    const qsizetype open = t.indexOf(QLatin1Char('('));
    if (open >= 0) {
        const qsizetype close = matchingClose(t, open);
        if (close > open) {
            const double inner = arithmetic(t.mid(open + 1, close - open - 1), depth + 1);
            return arithmetic(t.left(open) + QxNumberText::realText(inner) + t.mid(close + 1), depth + 1);
        }
    }
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t[i] == QLatin1Char('+') && isBinaryOperator(t, i))
            return arithmetic(t.left(i), depth + 1) + arithmetic(t.mid(i + 1), depth + 1);
    // The last minus, so that a-b-c is (a-b)-c.
    for (qsizetype i = t.size() - 1; i >= 0; --i)
        if (t[i] == QLatin1Char('-') && isBinaryOperator(t, i))
            return arithmetic(t.left(i), depth + 1) - arithmetic(t.mid(i + 1), depth + 1);
    // The last product or quotient, so that a/b/c is (a/b)/c.
    for (qsizetype i = t.size() - 1; i >= 0; --i) {
        if ((t[i] == QLatin1Char('*') || t[i] == QLatin1Char('/')) && isBinaryOperator(t, i)) {
            const double left = arithmetic(t.left(i), depth + 1);
            const double right = number(t.mid(i + 1));
            return t[i] == QLatin1Char('*') ? left * right : left / right;
        }
    }
    return number(t);
}

// Quoted sections: from a double quote to the next one (to the end when there
// is no next one).
bool insideQuotes(const QString &t, qsizetype pos)
{
    bool inside = false;
    for (qsizetype i = 0; i < pos && i < t.size(); ++i)
        if (t[i] == QLatin1Char('"'))
            inside = !inside;
    return inside || (pos < t.size() && t[pos] == QLatin1Char('"'));
}

qsizetype findOutside(const QString &t, QChar c, qsizetype from = 0)
{
    for (qsizetype i = from; i < t.size(); ++i)
        if (t[i] == c && !insideQuotes(t, i))
            return i;
    return -1;
}

qsizetype findOutside(const QString &t, const QString &s)
{
    for (qsizetype i = t.indexOf(s); i >= 0; i = t.indexOf(s, i + 1))
        if (!insideQuotes(t, i))
            return i;
    return -1;
}

QString operand(const QString &side)
{
    QString t = side.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
        t = t.mid(1, t.size() - 2);
    if (t.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        t = QxNumberText::realText(QxDateTimeDouble::now());
    return t;
}

bool logic(const QString &t, int depth)
{
    if (depth > kMaxDepth)
        QxSNMPException::raiseCommon(1);
    const qsizetype open = findOutside(t, QLatin1Char('('));
    if (open >= 0) {
        const qsizetype close = matchingClose(t, open);
        if (close > open && !insideQuotes(t, close)) {
            const bool inner = logic(t.mid(open + 1, close - open - 1), depth + 1);
            return logic(t.left(open) + QLatin1String(inner ? "true" : "false") + t.mid(close + 1), depth + 1);
        }
    }
    qsizetype at = findOutside(t, QLatin1Char('|'));
    if (at >= 0)
        return logic(t.left(at), depth + 1) || logic(t.mid(at + 1), depth + 1);
    at = findOutside(t, QLatin1Char('&'));
    if (at >= 0)
        return logic(t.left(at), depth + 1) && logic(t.mid(at + 1), depth + 1);
    at = findOutside(t, QLatin1Char('!'));
    if (at >= 0)
        return !logic(t.mid(at + 1), depth + 1);
    return QxExpression::compare(t);
}

} // namespace

double QxExpression::evaluate(const QString &text)
{
    return arithmetic(text, 0);
}

bool QxExpression::evaluateLogic(const QString &text)
{
    return logic(text, 0);
}

bool QxExpression::compare(const QString &text)
{
    static const char *const operators[] = {"<>", ">=", "<=", ">", "<", "="};
    for (const char *op : operators) {
        const QString opText = QString::fromLatin1(op);
        const qsizetype at = findOutside(text, opText);
        if (at < 0)
            continue;
        const QString left = operand(text.left(at));
        const QString right = operand(text.mid(at + opText.size()));
        bool leftIsNumber = false;
        bool rightIsNumber = false;
        const double l = left.toDouble(&leftIsNumber);
        const double r = right.toDouble(&rightIsNumber);
        int order = 0;
        if (leftIsNumber && rightIsNumber)
            order = l < r ? -1 : (l > r ? 1 : 0);
        else
            order = left.compare(right, Qt::CaseSensitive);
        const QString o = opText;
        if (o == QLatin1String("<>"))
            return order != 0;
        if (o == QLatin1String(">="))
            return order >= 0;
        if (o == QLatin1String("<="))
            return order <= 0;
        if (o == QLatin1String(">"))
            return order > 0;
        if (o == QLatin1String("<"))
            return order < 0;
        return order == 0;
    }
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    QxSNMPException::raiseCommon(1);
}
