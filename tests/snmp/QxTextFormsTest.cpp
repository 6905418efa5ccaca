#include "snmp/QxDateTime.h"
#include "snmp/QxHexText.h"
#include "snmp/QxNumList.h"
#include "snmp/QxPortList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxTimeTicks.h"

#include <gtest/gtest.h>

namespace {

TEST(QxHexTextTest, ParsesLikeUsersType)
{
    EXPECT_EQ(QxHexText::toOctets("a1b"), QByteArray::fromHex("0a1b"));
    EXPECT_EQ(QxHexText::toOctets("00 11"), QByteArray::fromHex("0011"));
    EXPECT_EQ(QxHexText::toOctets("fG"), QByteArray::fromHex("f0"));
    EXPECT_EQ(QxHexText::toOctets(""), QByteArray());
    EXPECT_EQ(QxHexText::fromOctets(QByteArray::fromHex("0a1b")), "0A1B");
}

TEST(QxTimeTicksTest, TextForms)
{
    EXPECT_EQ(QxTimeTicks::toText(0), "0:00:00.00");
    EXPECT_EQ(QxTimeTicks::toText(8640000), "1 day 0:00:00.00");
    EXPECT_EQ(QxTimeTicks::toText(17280001), "2 days, 0:00:00.01");
    EXPECT_EQ(QxTimeTicks::toText(360000 * 5 + 6000 * 4 + 312), "5:04:03.12");
    EXPECT_EQ(QxTimeTicks::fromText("1 day 0:00:00.00"), 8640000u);
    EXPECT_EQ(QxTimeTicks::fromText("2 days, 0:00:00.01"), 17280001u);
    EXPECT_EQ(QxTimeTicks::fromText("5:04:03.12"), 360000u * 5 + 6000 * 4 + 312);
    EXPECT_EQ(QxTimeTicks::fromText("12345"), 0u);
    EXPECT_EQ(QxTimeTicks::fromText(""), 0u);
    EXPECT_EQ(QxTimeTicks::fromText("3 days"), 3u * 8640000);
}

TEST(QxDateTimeTest, PartialTextsFillZeros)
{
    const QxDateTime dt = QxDateTime::fromText("2009-1-2");
    EXPECT_EQ(dt.year, 2009);
    EXPECT_EQ(dt.day, 2);
    EXPECT_EQ(dt.hour, 0);
    EXPECT_EQ(dt.direction, '+');
    EXPECT_EQ(QxDateTime::fromText("").toText(), "0-0-0,0:0:0.0");
    QxDateTime now;
    EXPECT_GE(now.year, 2020);
    EXPECT_EQ(now.deciSeconds, 0);
    EXPECT_FALSE(now.setOctets(QByteArray(10, '\1')));
}

TEST(QxNumListTest, ParsesDelimitedNumbers)
{
    QxNumList<int> list("1,2,10", QLatin1Char(','));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(2), 10);
    EXPECT_EQ(list.indexOf(2), 1);
    EXPECT_EQ(list.indexOf(7), -1);
    QxNumList<int> fraction("3.7", QLatin1Char(','));
    ASSERT_EQ(fraction.count(), 1);
    EXPECT_EQ(fraction.at(0), 3);
    EXPECT_EQ(QxNumList<unsigned int>("", QLatin1Char(',')).count(), 0);
    QxNumList<int> gaps("4,,x", QLatin1Char(','));
    ASSERT_EQ(gaps.count(), 3);
    EXPECT_EQ(gaps.at(1), 0);
    QxNumList<int> dotted("1.3.6", QLatin1Char('.'));
    EXPECT_EQ(dotted.count(), 3);
}

TEST(QxPortListTest, BitsMostSignificantFirst)
{
    const QByteArray ports = QByteArray::fromHex("80000001");
    EXPECT_TRUE(QxPortList::bit(ports, 0));
    EXPECT_FALSE(QxPortList::bit(ports, 1));
    EXPECT_TRUE(QxPortList::bit(ports, 31));
    try {
        QxPortList::bit(ports, 40);
        FAIL();
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -519);
    }
    QByteArray written;
    QxPortList::setBit(written, 0, true);
    QxPortList::setBit(written, 9, true);
    EXPECT_EQ(written, QByteArray::fromHex("8040"));
    QxPortList::setBit(written, 0, false);
    EXPECT_EQ(written, QByteArray::fromHex("0040"));
    EXPECT_EQ(QxPortList::overlay(written, QByteArray::fromHex("ffffff")), QByteArray::fromHex("0040ff"));
}

} // namespace
