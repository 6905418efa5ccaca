#include "snmp/QxKeyCodec.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"

#include <gtest/gtest.h>
#include "common/TestSupport.h"

using namespace QxSyntax;

namespace {

using TestSupport::codeOf;

QString decoded(const QString &instance, quint32 syntax, bool implied, QString *rest = nullptr)
{
    QString text;
    const QString r = QxKeyCodec::decode(instance, syntax, implied, text);
    if (rest)
        *rest = r;
    return text;
}

TEST(QxKeyCodecStrings, LengthPrefixUnlessLastImplied)
{
    EXPECT_EQ(QxKeyCodec::encode("ab", displaystr, false), "2.97.98");
    EXPECT_EQ(QxKeyCodec::encode("ab", displaystr, true), "97.98");
    EXPECT_EQ(QxKeyCodec::encode("0A1B", octetstr, false), "2.10.27");
    QString rest;
    EXPECT_EQ(decoded("2.97.98.5", displaystr, false, &rest), "ab");
    EXPECT_EQ(rest, "5");
    EXPECT_EQ(decoded("97.98", displaystr, true), "ab");
    EXPECT_EQ(decoded("2.10.27", octetstr, false), "0A1B");
    EXPECT_EQ(decoded("3.1.3.6", objectid, false), "1.3.6");
    EXPECT_EQ(QxKeyCodec::encode("1.3.6", objectid, false), "3.1.3.6");
    EXPECT_EQ(QxKeyCodec::encode("1.3.6", objectid, true), "1.3.6");
}

TEST(QxKeyCodecStrings, ShortInstancesRaiseKeyCount)
{
    // A length prefix from the agent that promises more than the instance holds.
    EXPECT_EQ(codeOf([] { decoded("5.97.98", displaystr, false); }), -514);
    EXPECT_EQ(codeOf([] { decoded("4294967295", octetstr, false); }), -514);
    EXPECT_EQ(codeOf([] { decoded("1.2.3", ipaddress, false); }), -514);
    EXPECT_EQ(codeOf([] { decoded("", integer, false); }), -514);
    EXPECT_EQ(codeOf([] { decoded("0.1.2.3.4", macaddress, false); }), -514);
    EXPECT_EQ(codeOf([] { decoded("2.300.1", displaystr, false); }), -518);
}

TEST(QxKeyCodecFixed, MacAndIpv6NeedTheirFullLength)
{
    EXPECT_EQ(QxKeyCodec::encode("00112233445566", macaddress, false), "0.17.34.51.68.85");
    EXPECT_EQ(codeOf([] { QxKeyCodec::encode("001122", macaddress, false); }), -514);
    EXPECT_EQ(codeOf([] { QxKeyCodec::encode("", ipv6address, false); }), -514);
    EXPECT_EQ(decoded("0.17.34.51.68.85.9", macaddress, false), "001122334455");
    EXPECT_EQ(QxKeyCodec::encode("FE800000000000000000000000000001", ipv6address, false),
              "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1");
    EXPECT_EQ(decoded("254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1", ipv6address, false),
              "FE800000000000000000000000000001");
}

TEST(QxKeyCodecNumbers, NumbersAndAddresses)
{
    EXPECT_EQ(QxKeyCodec::encode("-1", integer, false), "4294967295");
    EXPECT_EQ(decoded("4294967295", integer, false), "-1");
    EXPECT_EQ(decoded("4294967295", uinteger, false), "4294967295");
    EXPECT_EQ(QxKeyCodec::encode("true", boolean, false), "1");
    EXPECT_EQ(decoded("0", boolean, false), "false");
    EXPECT_EQ(QxKeyCodec::encode("10.1.2.3", ipaddress, false), "10.1.2.3");
    QString rest;
    EXPECT_EQ(decoded("10.1.2.3.7", ipaddress, false, &rest), "10.1.2.3");
    EXPECT_EQ(rest, "7");
    EXPECT_EQ(QxKeyCodec::encode("4294967301", counter64, false), "1.5");
    EXPECT_EQ(decoded("1.5", counter64, false), "4294967301");
    EXPECT_EQ(QxKeyCodec::encode("1.5", double_, false), "0.1073217536");
    EXPECT_EQ(decoded("0.1073217536", double_, false), "1.5");
    EXPECT_EQ(QxKeyCodec::encode("1 day 0:00:00.00", timeticks, false), "8640000");
    EXPECT_EQ(decoded("8640000", timeticks, false), "1 day 0:00:00.00");
    EXPECT_EQ(QxKeyCodec::encode("x", null, false), "");
    EXPECT_EQ(decoded("4.5", null, false, &rest), "(NULL)");
    EXPECT_EQ(rest, "4.5");
    EXPECT_EQ(codeOf([] { QxKeyCodec::encode("1", 200, false); }), -511);
    EXPECT_EQ(codeOf([] { QxKeyCodec::encode("99999999999", integer, false); }), -518);
}

TEST(QxKeyCodecDates, DateTimeKeys)
{
    const QString encoded = QxKeyCodec::encode("2008-12-15,10:30:0.0,+8:0", datetime, false);
    EXPECT_EQ(encoded, "7.216.12.15.10.30.0.0.43.8.0");
    EXPECT_EQ(decoded(encoded, datetime, false), "2008-12-15,10:30:0.0,+8:0");
}

} // namespace
