#include "binding/QxSummerTimePoint.h"

#include "snmp/QxHexText.h"

namespace {

constexpr int RepeatingDigits = 12;
constexpr int AnnualDigits = 8;

// The number of `digits` hexadecimal digits from `at`; -1 when one is no digit.
int hexAt(const QString &text, int at, int digits)
{
    bool ok = false;
    const int value = text.mid(at, digits).toInt(&ok, 16);
    return ok ? value : -1;
}

bool within(int value, int last)
{
    return value >= 0 && value <= last;
}

QString hex(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

std::optional<QxSummerTimePoint> QxSummerTimePoint::decode(const QString &text, Layout layout)
{
    // Digits only: no sign, no blanks.
    if (!QxHexText::isDigits(text))
        return std::nullopt;
    QxSummerTimePoint p;
    if (layout == Layout::Repeating) {
        if (text.size() != RepeatingDigits)
            return std::nullopt;
        p.week = hexAt(text, 0, 2);
        p.weekday = hexAt(text, 2, 4);
        p.month = hexAt(text, 6, 2);
        p.hour = hexAt(text, 8, 2);
        p.minute = hexAt(text, 10, 2);
    } else {
        if (text.size() != AnnualDigits)
            return std::nullopt;
        p.day = hexAt(text, 0, 2);
        p.month = hexAt(text, 2, 2);
        p.hour = hexAt(text, 4, 2);
        p.minute = hexAt(text, 6, 2);
    }
    for (int field : {p.week, p.weekday, p.day, p.month, p.hour, p.minute})
        if (field < 0)
            return std::nullopt;
    return p;
}

QString QxSummerTimePoint::encode(Layout layout) const
{
    if (layout == Layout::Repeating)
        return hex(week, 2) + hex(weekday, 4) + hex(month, 2) + hex(hour, 2) + hex(minute, 2);
    return hex(day, 2) + hex(month, 2) + hex(hour, 2) + hex(minute, 2);
}

bool QxSummerTimePoint::valid(Layout layout) const
{
    const bool common = within(month, 12) && within(hour, 23) && within(minute, 59);
    if (layout == Layout::Repeating)
        return common && within(week, 4) && within(weekday, 6);
    return common && within(day, 31);
}

bool QxSummerTimePoint::dayFitsMonth() const
{
    return day <= daysOfMonth(month);
}

int QxSummerTimePoint::daysOfMonth(int month)
{
    switch (month) {
    case 2:
        return 28;
    case 4: case 6: case 9: case 11:
        return 30;
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    default:
        return 0;
    }
}
