// LED decoding and blinking, driven by setting the polled value and calling the
// hooks and timer handlers directly (no agent, no waiting on timers).
#include "binding/QxSNMPRequest2Leds.h"
#include "snmp/QxSNMPException.h"

#include <QFrame>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int kBlack = 0x000000;
constexpr int kGreen = 0x00FF00;
constexpr int kBlue = 0xFF0000;
constexpr int kRed = 0x0000FF;
constexpr int kOrange = 0x4080FF;

// Keys 6 and 7 are missing on purpose.
constexpr QxSNMPLedColorItem kItems[] = {{0, kOrange}, {1, kOrange}, {2, kGreen}, {3, kGreen},
                                         {4, kBlue},   {5, kRed},    {0, -1}};

constexpr QxSNMPVarItem kStatus[] = {
    {"1.3.6.1.4.1.32473.11.63.7.2.1.1.5", "Led Status", QxSyntax::displaystr, QxAccess::readonly},
    {},
};

class LedBinding : public ::testing::Test
{
protected:
    QxSNMPLedColorMapList map{kItems, 0x07, 0x80, kBlack, kBlack};
    QxSNMPLedColorMapList strictMap{kItems, 0x07, 0x80, kBlack, QxSNMPLedColorMapList::NoColor};
    QWidget window;
    std::unique_ptr<QxSNMPRequest2Leds> leds;
    std::vector<QxLedShape *> shapes;

    void SetUp() override
    {
        leds = std::make_unique<QxSNMPRequest2Leds>(&window);
        leds->varList() = QxSNMPVarList(kStatus, MVT_SV, 0);
        leds->varList().setInstanceSuffix("0");
    }

    QxLedShape *add(int byteIndex, const QxSNMPLedColorMapList *m = nullptr)
    {
        auto *shape = new QxLedShape(&window);
        leds->addLed(0, byteIndex, m ? m : &map, shape);
        shapes.push_back(shape);
        return shape;
    }

    void receive(const QByteArray &octets)
    {
        leds->varList().item(0).valueText = QString::fromLatin1(octets);
        leds->rowRead();
    }

    static QColor qc(int c) { return QxLedShape::toQColor(c); }
};

TEST(LedColorMap, LooksUpTheLowOctetAndFallsBackToBlack)
{
    const QxSNMPLedColorMapList map(kItems, 0x07, 0x80, kBlack, kBlack);
    EXPECT_EQ(map.count(), 6); // the array ends at colour -1
    EXPECT_EQ(map.colorOf(5), kRed);
    EXPECT_EQ(map.colorOf(0x105), kRed); // only the low octet counts
    EXPECT_EQ(map.colorOf(7), kBlack);
    EXPECT_EQ(QxLedShape::toQColor(kOrange), QColor(255, 128, 64));
    EXPECT_EQ(QxSNMPLedColorMapList::fromRgb(0, 0, 255), kBlue);
}

TEST_F(LedBinding, ModeTwoDecodesTheHeaderAndThePairs)
{
    leds->setMode(2, 4);
    add(0);
    add(3);
    add(4);
    add(6);
    receive(QByteArray::fromHex("03000205" "8202" "0100"));
    EXPECT_EQ(leds->led(0).color, kGreen); // key 3
    EXPECT_FALSE(leds->led(0).blinking);
    EXPECT_EQ(leds->led(1).color, kRed);   // key 5
    EXPECT_EQ(leds->led(2).color, kGreen); // colour from the octet after 0x82
    EXPECT_TRUE(leds->led(2).blinking);
    EXPECT_EQ(leds->led(3).color, kBlack); // state 1: no data
    EXPECT_FALSE(leds->led(3).blinking);
}

TEST_F(LedBinding, ShortValuesAndMissingKeys)
{
    leds->setMode(2, 4);
    add(1);
    add(10);
    add(4);
    receive(QByteArray::fromHex("0007" "0000" "00"));
    EXPECT_EQ(leds->led(0).color, kBlack); // 7 is not in the map
    EXPECT_EQ(leds->led(1).color, kBlack); // beyond the value: the no-data colour
    // A pair cut off after its state octet: black and steady, nothing read past the value.
    EXPECT_EQ(leds->led(2).color, kBlack);
    EXPECT_FALSE(leds->led(2).blinking);
    receive(QByteArray::fromHex("0007" "0000" "8005"));
    EXPECT_EQ(leds->led(2).color, kRed);
    EXPECT_TRUE(leds->led(2).blinking);
}

TEST_F(LedBinding, WithoutANoDataColourAShortValueIsAnError)
{
    add(8, &strictMap);
    leds->varList().item(0).valueText = QString::fromLatin1(QByteArray::fromHex("0202"));
    try {
        leds->rowRead();
        FAIL() << "no error";
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -519);
    }
}

TEST_F(LedBinding, ModeOneReadsSingleOctetsEverywhere)
{
    leds->setMode(0, 0); // not above 0: mode 1, header 4
    EXPECT_EQ(leds->mode(), 1);
    EXPECT_EQ(leds->directCount(), 4);
    add(5);
    receive(QByteArray::fromHex("000000000184"));
    EXPECT_EQ(leds->led(0).color, kBlue);
    EXPECT_TRUE(leds->led(0).blinking);
}

TEST_F(LedBinding, BlinksForSevenTicksAfterAPollThenStaysLit)
{
    leds->setMode(2, 4);
    QxLedShape *blinker = add(4);
    QxLedShape *steady = add(6);
    receive(QByteArray::fromHex("00000000" "8002" "0005"));
    // The read itself paints the colour (the shape showed the blank colour).
    EXPECT_EQ(blinker->color(), qc(kGreen));
    EXPECT_EQ(steady->color(), qc(kRed));
    QList<QColor> seen;
    for (int tick = 0; tick < 12; ++tick) {
        leds->blinkTick();
        seen << blinker->color();
        EXPECT_EQ(steady->color(), qc(kRed));
    }
    // Alternates black / green on the ticks after the read, then stays green.
    const QList<QColor> expected{qc(kBlack), qc(kGreen), qc(kBlack), qc(kGreen), qc(kBlack), qc(kGreen),
                                 qc(kGreen), qc(kGreen), qc(kGreen), qc(kGreen), qc(kGreen), qc(kGreen)};
    EXPECT_EQ(seen, expected);
    // The next poll blinks again, starting from the lit phase it found.
    receive(QByteArray::fromHex("00000000" "8002" "0005"));
    EXPECT_EQ(leds->blinkCounter(), 1);
    EXPECT_EQ(blinker->color(), qc(kBlack));
    leds->blinkTick();
    EXPECT_EQ(blinker->color(), qc(kGreen));
}

TEST_F(LedBinding, ResetStopAndFailedReadsDarkenEveryLed)
{
    leds->setMode(2, 4);
    QxLedShape *a = add(0);
    QxLedShape *b = add(4);
    receive(QByteArray::fromHex("05000000" "8003"));
    EXPECT_EQ(a->color(), qc(kRed));
    QxSNMPError timeout;
    timeout.code = -105;
    timeout.message = "(SNMPClass) SNMP request timed out!";
    leds->readFailed(timeout);
    EXPECT_EQ(a->color(), qc(kBlack));
    EXPECT_EQ(b->color(), qc(kBlack));
    EXPECT_FALSE(leds->led(1).blinking);
    receive(QByteArray::fromHex("05000000" "8003"));
    EXPECT_TRUE(leds->blinkTimer().isActive());
    leds->stop();
    EXPECT_FALSE(leds->blinkTimer().isActive());
    EXPECT_FALSE(leds->pollTimer().isActive());
    EXPECT_EQ(a->color(), qc(kBlack));
}

TEST_F(LedBinding, AddLedRowLaysOutShapesInThePanel)
{
    QFrame panel(&window);
    panel.setFrameShape(QFrame::Panel);
    leds->addLedRow(0, "4,6,8", &map, &panel, 2, 3, QxLedShape::Circle, 5, 5);
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);
    ASSERT_EQ(leds->ledCount(), 3);
    EXPECT_EQ(leds->led(2).byteIndex, 8);
    EXPECT_EQ(leds->led(1).shape->geometry(), QRect(2 + 1 * (3 + 5), 1, 5, 5));
    EXPECT_EQ(leds->led(2).shape->kind(), QxLedShape::Circle);
    EXPECT_EQ(leds->led(0).shape->color(), qc(kBlack));
}

} // namespace
