#pragma once

#include <QString>
#include <optional>

// One start or end point of a summer-time rule as the switch keeps it: the
// hexadecimal text of its octets, two digits per octet, upper-case when
// written, either case when read.
//
// - Repeating (6 octets): week of the month (0 "last", 1-4 "1st"-"4th"),
//   weekday (16 bits, 0 Sun - 6 Sat), month (0 none, 1-12), hour, minute.
// - Annual (4 octets): day of the month, month, hour, minute.
//
// Lists take a field as their item index; -1 stands for a list without a
// selection, which no octet can hold, so such a point is not valid.
struct QxSummerTimePoint
{
    enum class Layout { Repeating, Annual };

    int week = 0;
    int weekday = 0;
    int day = 0;
    int month = 0;
    int hour = 0;
    int minute = 0;

    // The point of an exactly 12- (repeating) or 8-digit (annual) text; none
    // for any other text.
    static std::optional<QxSummerTimePoint> decode(const QString &text, Layout layout);
    // The text of a valid point.
    QString encode(Layout layout) const;
    // Every field in its range (week 0-4, weekday 0-6, day 0-31, month 0-12,
    // hour 0-23, minute 0-59).
    bool valid(Layout layout) const;
    // An annual point's day is within its month (February has 28 days; the
    // month "none" has none).
    bool dayFitsMonth() const;
    static int daysOfMonth(int month);
};
