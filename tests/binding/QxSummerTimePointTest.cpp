// Summer-time rule points as the switch keeps them.
#include "binding/QxSummerTimePoint.h"

#include <gtest/gtest.h>

namespace {

using Layout = QxSummerTimePoint::Layout;

TEST(QxSummerTimePoint, EncodesBothLayoutsAsUpperCaseHex)
{
    // "2nd" Sun Mar 02:00, "last" Sat Oct 03:05, 28 Feb 23:59.
    EXPECT_EQ((QxSummerTimePoint{.week = 2, .weekday = 0, .month = 3, .hour = 2}).encode(Layout::Repeating),
              "020000030200");
    EXPECT_EQ((QxSummerTimePoint{.week = 0, .weekday = 6, .month = 10, .hour = 3, .minute = 5}).encode(Layout::Repeating),
              "0000060A0305");
    EXPECT_EQ((QxSummerTimePoint{.day = 28, .month = 2, .hour = 23, .minute = 59}).encode(Layout::Annual), "1C02173B");
}

TEST(QxSummerTimePoint, DecodesOnlyTextsOfTheExactLength)
{
    const auto repeating = QxSummerTimePoint::decode("0000060a0305", Layout::Repeating);
    ASSERT_TRUE(repeating);
    EXPECT_EQ(repeating->weekday, 6);
    EXPECT_EQ(repeating->month, 10);
    EXPECT_EQ(repeating->minute, 5);
    const auto annual = QxSummerTimePoint::decode("1C02173B", Layout::Annual);
    ASSERT_TRUE(annual);
    EXPECT_EQ(annual->day, 28);
    for (const char *bad : {"0000060A03", "0000060A030500", "", "00000G0A0305", "-000060A0305", " 000060A0305"})
        EXPECT_FALSE(QxSummerTimePoint::decode(bad, Layout::Repeating)) << bad;
}

TEST(QxSummerTimePoint, RefusesFieldsOutOfRangeAndDaysBeyondTheMonth)
{
    EXPECT_TRUE((QxSummerTimePoint{.day = 28, .month = 2}).dayFitsMonth());
    EXPECT_FALSE((QxSummerTimePoint{.day = 29, .month = 2}).dayFitsMonth());
    EXPECT_FALSE((QxSummerTimePoint{.day = 31, .month = 4}).dayFitsMonth());
    EXPECT_TRUE((QxSummerTimePoint{.day = 31, .month = 12}).dayFitsMonth());
    EXPECT_FALSE((QxSummerTimePoint{.day = 1, .month = 0}).dayFitsMonth());
    EXPECT_FALSE((QxSummerTimePoint{.hour = 24}).valid(Layout::Annual));
    EXPECT_FALSE((QxSummerTimePoint{.day = 32}).valid(Layout::Annual));
    EXPECT_FALSE((QxSummerTimePoint{.minute = 60}).valid(Layout::Repeating));
    // A list without a choice.
    EXPECT_FALSE((QxSummerTimePoint{.week = -1}).valid(Layout::Repeating));
    EXPECT_FALSE((QxSummerTimePoint{.month = -1}).valid(Layout::Annual));
    EXPECT_TRUE((QxSummerTimePoint{.week = 4, .weekday = 6, .month = 12, .hour = 23, .minute = 59}).valid(
        Layout::Repeating));
}

} // namespace
