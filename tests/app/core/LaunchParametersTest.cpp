#include "app/core/DeviceSettingsFile.h"
#include "app/core/IntegerText.h"
#include "app/core/LaunchParameters.h"
#include "app/core/LaunchState.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LaunchParametersTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    LaunchState state;

    QString folder() const { return dir.path() + "/"; }

    void writeSettings(const QString &address, const QByteArray &body)
    {
        QFile f(DeviceSettingsFile::fileName(folder(), address));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Program Information]\n" + body);
    }

    void apply(const QStringList &parameters) { LaunchParameters::apply(parameters, folder(), state); }
};

// A complete SNMPv1 file; tests override single keys after it.
const QByteArray kV1 = "AgentPort=161\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";

TEST_F(LaunchParametersTest, AddressAndCommunitiesWithoutSettingsFile)
{
    apply({"/I10.90.90.90", "/Rcomm", "/Wcomm2"});
    EXPECT_EQ(state.device.address, "10.90.90.90");
    EXPECT_EQ(state.device.port, 161);
    EXPECT_EQ(state.security.version, 0);
    EXPECT_EQ(state.security.readCommunity, "comm");
    EXPECT_EQ(state.security.writeCommunity, "comm2");
    EXPECT_EQ(state.texts.address, "10.90.90.90");
    EXPECT_EQ(state.texts.readCommunity, "comm");
    EXPECT_EQ(state.texts.writeCommunity, "comm2");
    EXPECT_FALSE(state.isSnmpV3());
}

TEST_F(LaunchParametersTest, SwitchMatchingIsCaseExactAnywhereAndInTestOrder)
{
    apply({"/i10.90.90.90"});
    EXPECT_EQ(state.device.address, "127.0.0.1");
    EXPECT_TRUE(state.texts.address.isEmpty());

    apply({"x/Rabc"});
    EXPECT_EQ(state.security.readCommunity, "abc");

    apply({"/Wab/Rcd"});
    EXPECT_EQ(state.security.readCommunity, "cd");
    EXPECT_EQ(state.security.writeCommunity, "kdrwopl");

    // The value runs to the end of the parameter, after the first occurrence.
    apply({"/I1.2.3.4/Rx"});
    EXPECT_EQ(state.device.address, "1.2.3.4/Rx");
    EXPECT_EQ(state.security.readCommunity, "cd");
}

TEST_F(LaunchParametersTest, VersionSwitchKeepsLowEightBitsAndLeavesTheText)
{
    apply({"/v259"});
    EXPECT_EQ(state.security.version, 3);
    EXPECT_TRUE(state.texts.version.isEmpty());
    EXPECT_TRUE(state.isSnmpV3());
}

TEST_F(LaunchParametersTest, V3SwitchesOnlyWhileTheConditionHolds)
{
    apply({"/t1161", "/nalice"});
    EXPECT_EQ(state.device.port, 161);
    EXPECT_TRUE(state.security.securityName.isEmpty());

    apply({"/v3", "/t1161", "/nalice", "/l2", "/a1", "/p1", "/m3", "/Aauthpw", "/Pprivpw", "/cctx", "/dengine"});
    EXPECT_EQ(state.device.port, 1161);
    EXPECT_EQ(state.texts.port, "1161");
    EXPECT_EQ(state.security.securityName, "alice");
    EXPECT_EQ(state.security.securityLevel, 2);   // counted from 1: no offset
    EXPECT_EQ(state.security.authProtocol, 1);
    EXPECT_EQ(state.security.privProtocol, 1);
    EXPECT_EQ(state.security.securityModel, 3);
    EXPECT_EQ(state.security.authPassword, "authpw");
    EXPECT_EQ(state.security.privPassword, "privpw");
    EXPECT_EQ(state.scope.contextName, "ctx");
    EXPECT_EQ(state.scope.contextEngineId, "engine");
    EXPECT_EQ(state.texts.securityLevel, "2");
}

TEST_F(LaunchParametersTest, EmptyOrZeroV3ValuesLeaveTheirTexts)
{
    apply({"/v3", "/l0", "/c", "/A", "/P"});
    EXPECT_EQ(state.security.securityLevel, 0);
    EXPECT_TRUE(state.texts.securityLevel.isEmpty());
    EXPECT_TRUE(state.texts.contextName.isEmpty());
    EXPECT_TRUE(state.texts.authPassword.isEmpty());
    EXPECT_TRUE(state.texts.privPassword.isEmpty());
}

TEST_F(LaunchParametersTest, SettingsFileCountsLevelAndProtocolsFromZero)
{
    writeSettings("10.1.1.1", "AgentPort=1161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=bob\n"
                              "AuthProtocol=1\nPrivProtocol=1\nAuthPassword=ap\nPrivPassword=pp\n"
                              "ContextName=c1\nContextEngineID=8000\n");
    apply({"/I10.1.1.1", "/Rpublic"});
    EXPECT_EQ(state.security.version, 3);
    EXPECT_EQ(state.texts.version, "3");
    EXPECT_EQ(state.device.port, 1161);
    EXPECT_EQ(state.security.securityLevel, 3);
    EXPECT_EQ(state.security.authProtocol, 2);
    EXPECT_EQ(state.security.privProtocol, 2);
    EXPECT_EQ(state.texts.authProtocol, "2");
    EXPECT_EQ(state.security.securityName, "bob");
    EXPECT_EQ(state.security.authPassword, "ap");
    EXPECT_EQ(state.scope.contextName, "c1");
    EXPECT_EQ(state.scope.contextEngineId, "8000");
    EXPECT_EQ(state.security.readCommunity, "public");
}

TEST_F(LaunchParametersTest, MaxRepetitionsIsTakenFromTheSettingsFileWhenThere)
{
    writeSettings("10.1.1.1", kV1);
    apply({"/I10.1.1.1", "/Rpublic"});
    EXPECT_EQ(state.maxRepetitions, -1);
    writeSettings("10.1.1.1", kV1 + "MaxRepetitions=0\n");
    apply({"/I10.1.1.1", "/Rpublic"});
    EXPECT_EQ(state.maxRepetitions, 0);
    writeSettings("10.1.1.1", kV1 + "MaxRepetitions=25\n");
    apply({"/I10.1.1.1", "/Rpublic"});
    EXPECT_EQ(state.maxRepetitions, 25);
}

TEST_F(LaunchParametersTest, SecurityLevelZeroKeepsTheLevelAndItsEmptyText)
{
    writeSettings("10.1.1.1", kV1);
    apply({"/I10.1.1.1", "/Rx"});
    EXPECT_EQ(state.security.securityLevel, 1);
    EXPECT_TRUE(state.texts.securityLevel.isEmpty());
    EXPECT_EQ(state.texts.version, "0");
    EXPECT_EQ(state.texts.port, "161");
}

TEST_F(LaunchParametersTest, FileIsReadAgainBeforeEveryParameter)
{
    writeSettings("10.1.1.1", "AgentPort=2000\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\n"
                              "PrivProtocol=0\n");
    apply({"/I10.1.1.1", "/v3", "/t1161"});
    // Before /t1161 the file sets the version back to 1: the v3 switch is not examined.
    EXPECT_EQ(state.security.version, 1);
    EXPECT_EQ(state.device.port, 2000);
}

TEST_F(LaunchParametersTest, EmptyEngineIdClearsButEmptyContextNameDoesNot)
{
    writeSettings("10.1.1.1", "AgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\n"
                              "PrivProtocol=0\nContextEngineID=\nContextName=\n");
    apply({"/I10.1.1.1", "/dfeed", "/cctx", "/Rr"});
    EXPECT_TRUE(state.scope.contextEngineId.isEmpty());
    EXPECT_EQ(state.scope.contextName, "ctx");
    EXPECT_EQ(state.texts.contextName, "ctx");
}

TEST_F(LaunchParametersTest, NonNumericValuesRaiseConversionErrors)
{
    EXPECT_THROW(apply({"/vx"}), IntegerText::Error);
    LaunchState v3;
    v3.security.version = 3;
    for (const char *p : {"/t", "/tabc", "/m-", "/l1.5", "/a?", "/pDES"}) {
        LaunchState s = v3;
        EXPECT_THROW(LaunchParameters::apply({p}, folder(), s), IntegerText::Error) << p;
    }
}

TEST_F(LaunchParametersTest, SettingsFileWithoutNumbersRaises)
{
    writeSettings("10.1.1.1", "Version=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    EXPECT_THROW(apply({"/I10.1.1.1", "/Rx"}), IntegerText::Error);

    writeSettings("10.1.1.1", "AgentPort=161\nVersion=0\nSecurityModel=1\nSecurityLevel=high\n");
    state = LaunchState();
    EXPECT_THROW(apply({"/I10.1.1.1", "/Rx"}), IntegerText::Error);
}

TEST_F(LaunchParametersTest, BinaryJunkSettingsFileIsAConversionErrorNotACrash)
{
    QByteArray junk = "[Program Information]\nAgentPort=";
    for (int i = 0; i < 5000; ++i)
        junk += char(1 + (i * 13) % 255);
    QFile f(DeviceSettingsFile::fileName(folder(), "10.1.1.1"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(junk);
    f.close();
    EXPECT_THROW(apply({"/I10.1.1.1", "/Rx"}), IntegerText::Error);
}

TEST(IntegerTextTest, ConvertsLikeTheHostsIntegerReader)
{
    EXPECT_EQ(IntegerText::toInt("161"), 161);
    EXPECT_EQ(IntegerText::toInt("  -12"), -12);
    EXPECT_EQ(IntegerText::toInt("$FF"), 255);
    EXPECT_EQ(IntegerText::toInt("0x10"), 16);
    EXPECT_EQ(IntegerText::toInt("2147483647"), 2147483647);
    EXPECT_EQ(IntegerText::toInt("-2147483648"), -2147483647 - 1);
    for (const char *bad : {"", " ", "12 ", "1e3", "2147483648", "$", "0x", "++1", "abc"})
        EXPECT_THROW(IntegerText::toInt(bad), IntegerText::Error) << bad;
    try {
        IntegerText::toInt("abc");
    } catch (const IntegerText::Error &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

} // namespace
