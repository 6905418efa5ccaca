// LLDP bit maps shown as the names of their set bits, and names written back.
#include "binding/QxBitMapNames.h"

#include "tables/LldpDialogTables.h"

#include <gtest/gtest.h>

namespace {

using namespace LldpDialogTables;

TEST(QxBitMapNames, NamesTheBitsOfTheFirstOctetMostSignificantFirst)
{
    EXPECT_EQ(QxBitMapNames::decode("C0", basicTlvs), " Port Description,System Name");
    EXPECT_EQ(QxBitMapNames::decode("40", basicTlvs), " System Name");
    EXPECT_EQ(QxBitMapNames::decode("00", basicTlvs), " ");
    EXPECT_EQ(QxBitMapNames::decode("", basicTlvs), " ");
    EXPECT_EQ(QxBitMapNames::decode("28", capabilities), " bridge,router");
    EXPECT_EQ(QxBitMapNames::decode("C0", linkAggregation), " aggCapable,aggEnabled");
    // Bits without a name are not shown.
    EXPECT_EQ(QxBitMapNames::decode("FF", dot3Tlvs), " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize");
    // A second octet (and anything after it) is not read.
    EXPECT_EQ(QxBitMapNames::decode("4080", basicTlvs), " System Name");
    EXPECT_EQ(QxBitMapNames::decode("80" + QString(4096, 'F'), capabilities), " other");
}

TEST(QxBitMapNames, EncodesTheNamesAsHexWithoutLeadingZeros)
{
    EXPECT_EQ(QxBitMapNames::encode(" System Name,System Capabilities", basicTlvs), "50");
    EXPECT_EQ(QxBitMapNames::encode(" Port Description", basicTlvs), "80");
    EXPECT_EQ(QxBitMapNames::encode(" ", basicTlvs), "0");
    EXPECT_EQ(QxBitMapNames::encode(" maxFrameSize", dot3Tlvs), "10");
}

} // namespace
