#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxValueCodec.h"

#include <gtest/gtest.h>
#include "common/TestSupport.h"

using namespace QxSyntax;

namespace {

using TestSupport::codeOf;

QxSNMPValue octets(const char *hex)
{
    return QxSNMPValue::bytes(QxSNMPValue::OctetString, QByteArray::fromHex(hex));
}

TEST(QxValueCodecNumbers, ReadsEveryNumericKind)
{
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::integer(-5), integer), "-5");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::integer(2), boolean), "true");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::integer(0), boolean), "false");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::unsignedValue(QxSNMPValue::Gauge32, 4294967295u), guage),
              "4294967295");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::unsignedValue(QxSNMPValue::Counter64, 18446744073709551615ull),
                                   counter64),
              "18446744073709551615");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::unsignedValue(QxSNMPValue::TimeTicks, 8640000), timeticks),
              "1 day 0:00:00.00");
}

TEST(QxValueCodecNumbers, EmptyOrWrongValuesReadAsNull)
{
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::null(), integer), "(NULL)");
    QxSNMPValue noSuch;
    noSuch.type = QxSNMPValue::NoSuchInstance;
    EXPECT_EQ(QxValueCodec::toText(noSuch, counter), "(NULL)");
    EXPECT_EQ(QxValueCodec::toText(octets("0102"), integer), "(NULL)");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::integer(1), objectid), "(NULL)");
    EXPECT_EQ(QxValueCodec::toText(octets("0102"), ipaddress), "(NULL)");
}

TEST(QxValueCodecNumbers, WritesWithRangeChecks)
{
    // What a write sends is a whole number or nothing: never its leading
    // digits, never 0 for a text without any.
    EXPECT_EQ(QxValueCodec::fromText("  -12 ", integer), QxSNMPValue::integer(-12));
    for (const char *typed : {"  -12abc", "junk", "", "2x", "-"})
        EXPECT_EQ(codeOf([typed] { QxValueCodec::fromText(typed, integer); }), -8) << typed;
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("12abc", guage); }), -8);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("1e3", counter64); }), -8);
    EXPECT_EQ(QxValueCodec::fromText("(NULL)", integer), QxSNMPValue::null());
    EXPECT_EQ(QxValueCodec::fromText("-2147483648", integer), QxSNMPValue::integer(-2147483648LL));
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("2147483648", integer); }), -518);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("4294967296", guage); }), -518);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("-1", uinteger); }), -518);
    EXPECT_EQ(QxValueCodec::fromText("4294967295", counter).type, QxSNMPValue::Gauge32);
    // counter64 is an integer: no precision lost through a real number.
    EXPECT_EQ(QxValueCodec::fromText("18446744073709551615", counter64).number, 18446744073709551615ull);
    EXPECT_EQ(QxValueCodec::fromText("9007199254740993", counter64).number, 9007199254740993ull);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("18446744073709551616", counter64); }), -518);
    EXPECT_EQ(QxValueCodec::fromText("TRUE", boolean), QxSNMPValue::integer(1));
    EXPECT_EQ(QxValueCodec::fromText("yes", boolean), QxSNMPValue::integer(0));
    EXPECT_EQ(QxValueCodec::fromText("2 days, 0:00:00.01", timeticks).number, 17280001u);
}

TEST(QxValueCodecOctets, HexAndDisplayForms)
{
    EXPECT_EQ(QxValueCodec::toText(octets("0a1bff"), octetstr), "0A1BFF");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::null(), octetstr), "");
    EXPECT_EQ(QxValueCodec::toText(octets(""), displaystr), "");
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::null(), displaystr), "");
    EXPECT_EQ(QxValueCodec::toText(octets("616263"), displaystr), "abc");
    EXPECT_EQ(QxValueCodec::fromText("a1b", octetstr).octets, QByteArray::fromHex("0a1b"));
    EXPECT_EQ(QxValueCodec::fromText("00 11", macaddress).octets, QByteArray::fromHex("0011"));
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("zz", bitstr); }), -518);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("ZZZZ", octetstr); }), -518);
    EXPECT_EQ(QxValueCodec::fromText(QString::fromLatin1("ab\xe9"), displaystr).octets, QByteArray("ab\xe9"));
}

TEST(QxValueCodecOctets, ShortFixedFormsReadAsNull)
{
    EXPECT_EQ(QxValueCodec::toText(octets("00000000000000"), double_), "(NULL)");
    EXPECT_EQ(QxValueCodec::toText(octets("000000000000f03f"), double_), "1");
    EXPECT_EQ(QxValueCodec::toText(octets("07d80c0f0a1e00002b08"), datetime), "(NULL)");
    // DateAndTime without the offset from UTC, as ping and trace-route results send it.
    EXPECT_EQ(QxValueCodec::toText(octets("07d80c0f0a1e0005"), datetime), "2008-12-15,10:30:0.5");
    EXPECT_EQ(QxValueCodec::toText(octets("07d80c0f0a1e00"), datetime), "(NULL)");
    EXPECT_EQ(QxValueCodec::toText(octets("07d80c0f0a1e00002b0800"), datetime), "2008-12-15,10:30:0.0,+8:0");
    EXPECT_EQ(QxValueCodec::toText(octets("07d80c0f0a1e00002b0000"), datetime), "2008-12-15,10:30:0.0");
    EXPECT_EQ(QxValueCodec::toText(octets("0000"), bcdatetime), "(NULL)");
    EXPECT_EQ(QxValueCodec::toText(octets(""), double_), "(NULL)");
}

TEST(QxValueCodecOctets, AddressesAndIdentifiers)
{
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::bytes(QxSNMPValue::IpAddress, QByteArray::fromHex("c0a80001")),
                                   ipaddress),
              "192.168.0.1");
    EXPECT_EQ(QxValueCodec::fromText("10.0.0.254", nsapaddr).octets, QByteArray::fromHex("0a0000fe"));
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("10.0.0.256", ipaddress); }), -518);
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::objectId({1, 3, 6, 1}), objectid), "1.3.6.1");
    EXPECT_EQ(QxValueCodec::fromText("1.3.6.1.6.3.10.1.1.1", objectid).arcs.size(), 10);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("1..3", objectid); }), -518);
}

TEST(QxValueCodecSyntax, UnknownSyntaxAndPartialCodesAreRejected)
{
    EXPECT_EQ(codeOf([] { QxValueCodec::toText(QxSNMPValue::integer(1), 99); }), -511);
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("1", bool8); }), -511);
    EXPECT_EQ(QxValueCodec::fromText("(NULL)", displaystr), QxSNMPValue::null());
    EXPECT_EQ(QxValueCodec::toText(QxSNMPValue::integer(3), null), "(NULL)");
}

TEST(QxValueCodecDates, DateTimeRoundTrips)
{
    const QxSNMPValue v = QxValueCodec::fromText("1992-5-26,13:30:15.0", datetime);
    EXPECT_EQ(v.octets, QByteArray::fromHex("07c8051a0d1e0f002b0000"));
    EXPECT_EQ(QxValueCodec::toText(v, datetime), "1992-5-26,13:30:15.0");
    const QxSNMPValue west = QxValueCodec::fromText("2008-12-15,10:30:0.0,-5:30", datetime);
    EXPECT_EQ(QxValueCodec::toText(west, datetime), "2008-12-15,10:30:0.0,-5:30");
    const QxSNMPValue bc = QxValueCodec::fromText("2008/12/15 01:30:00 pm", bcdatetime);
    EXPECT_EQ(QxValueCodec::toText(bc, bcdatetime), "2008/12/15 01:30:00 pm");
    EXPECT_EQ(QxValueCodec::toText(QxValueCodec::fromText("1900/01/01 12:00:00 am", bcdatetime), double_), "2");
    EXPECT_EQ(codeOf([] { QxValueCodec::fromText("not a date", bcdatetime); }), -518);
}

} // namespace
