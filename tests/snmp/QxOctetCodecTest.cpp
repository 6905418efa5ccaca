#include "snmp/QxOctetCodec.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"

#include <gtest/gtest.h>
#include "common/TestSupport.h"

using namespace QxSyntax;

namespace {

using TestSupport::codeOf;

QByteArray hex(const char *h)
{
    return QByteArray::fromHex(h);
}

TEST(QxOctetCodecNumbers, LittleEndianWordsAndNetworkOrderParts)
{
    EXPECT_EQ(QxOctetCodec::textToOctets("1", integer), hex("01000000"));
    EXPECT_EQ(QxOctetCodec::textToOctets("-2", integer), hex("feffffff"));
    EXPECT_EQ(QxOctetCodec::textToOctets("true", boolean), hex("01000000"));
    EXPECT_EQ(QxOctetCodec::textToOctets("4294967301", counter64), hex("0500000001000000"));
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("0500000001000000"), counter64), "4294967301");
    EXPECT_EQ(QxOctetCodec::textToOctets("300", uint16), hex("012c"));
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("ff38"), int16), "-200");
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("ff"), int8), "-1");
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("ff"), uint8), "255");
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("0001"), bool16), "true");
    EXPECT_EQ(codeOf([] { QxOctetCodec::textToOctets("256", uint8); }), -518);
    EXPECT_EQ(codeOf([] { QxOctetCodec::textToOctets("-129", int8); }), -518);
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("10270000"), timeticks), "0:01:40.00");
}

TEST(QxOctetCodecNumbers, TooShortRaisesBadValue)
{
    EXPECT_EQ(codeOf([] { QxOctetCodec::octetsToText(hex("010000"), integer); }), -518);
    EXPECT_EQ(codeOf([] { QxOctetCodec::octetsToText(hex("01"), bool16); }), -518);
    EXPECT_EQ(codeOf([] { QxOctetCodec::octetsToText(hex("0102030405"), macaddress); }), -518);
    EXPECT_EQ(codeOf([] { QxOctetCodec::octetsToText(hex("07d80c0f0a1e00002b08"), datetime); }), -518);
    EXPECT_EQ(QxOctetCodec::octetsToText(QByteArray(), integer), "(NULL)");
    EXPECT_EQ(QxOctetCodec::octetsToText(QByteArray(), displaystr), "");
}

TEST(QxOctetCodecOctets, AddressesAndStrings)
{
    EXPECT_EQ(QxOctetCodec::textToOctets("10.0.0.1", ipaddress), hex("0a000001"));
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("0a00000199"), ipaddress), "10.0.0.1");
    EXPECT_EQ(QxOctetCodec::textToOctets("1.3.6", objectid), hex("010000000300000006000000"));
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("010000000300000006000000"), objectid), "1.3.6");
    EXPECT_EQ(QxOctetCodec::textToOctets("(NULL)", octetstr), QByteArray());
    EXPECT_EQ(QxOctetCodec::textToOctets("anything", null), QByteArray());
    EXPECT_EQ(QxOctetCodec::textToOctets("abc", displaystr), QByteArray("abc"));
    EXPECT_EQ(QxOctetCodec::octetsToText(hex("0a1b"), octetstr), "0A1B");
    EXPECT_EQ(codeOf([] { QxOctetCodec::textToOctets("1", 150); }), -511);
}

TEST(QxOctetCodecParts, ExtractPartChecksTheRange)
{
    const QByteArray value = hex("0102030405060708");
    EXPECT_EQ(QxOctetCodec::extractPart(value, 2, uint16), hex("0304"));
    EXPECT_EQ(QxOctetCodec::extractPart(value, 4, integer), hex("05060708"));
    EXPECT_EQ(QxOctetCodec::extractPart(value, 6, octetstr), hex("0708"));
    EXPECT_EQ(QxOctetCodec::extractPart(value, 3, null), QByteArray());
    EXPECT_EQ(QxOctetCodec::extractPart(QByteArray(), 3, integer), QByteArray());
    EXPECT_EQ(codeOf([] { QxOctetCodec::extractPart(hex("0102030405060708"), 5, integer); }), -519);
    EXPECT_EQ(codeOf([] { QxOctetCodec::extractPart(hex("0102"), 3, octetstr); }), -519);
    EXPECT_EQ(codeOf([] { QxOctetCodec::extractPart(hex("0102"), -1, uint8); }), -519);
}

} // namespace

#include "snmp/QxOptionList.h"

namespace {

TEST(QxOctetCodecOptions, WordsPassThroughTheOptionList)
{
    constexpr QxOptionPair modes[] = {{1, "auto"}, {2, "forced"}, {0, nullptr}};
    const QxOptionList options(modes);
    EXPECT_EQ(QxOctetCodec::textToOctets("forced", QxSyntax::uint8, &options), QByteArray::fromHex("02"));
    EXPECT_EQ(QxOctetCodec::octetsToText(QByteArray::fromHex("01"), QxSyntax::uint8, &options), "auto");
    EXPECT_EQ(QxOctetCodec::octetsToText(QByteArray::fromHex("07"), QxSyntax::uint8, &options), "7");
}

} // namespace
