#include "snmp/QxBootCounter.h"
#include "snmp/QxSNMPEventPump.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kEngine("QxSNMP_PP_Application");

TEST(QxBootCounterTest, KeepsOneCounterPerEngine)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("counter");
    quint32 boots = 99;
    EXPECT_EQ(QxBootCounter::load(file, kEngine, boots), QxBootCounter::CannotOpen);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(QxBootCounter::save(file, "other engine", 7), 0);
    EXPECT_EQ(QxBootCounter::load(file, kEngine, boots), QxBootCounter::NoEntry);
    ASSERT_EQ(QxBootCounter::save(file, kEngine, 3), 0);
    ASSERT_EQ(QxBootCounter::save(file, kEngine, 4), 0);
    EXPECT_EQ(QxBootCounter::load(file, kEngine, boots), QxBootCounter::Found);
    EXPECT_EQ(boots, 4u);
    EXPECT_EQ(QxBootCounter::load(file, "other engine", boots), QxBootCounter::Found);
    EXPECT_EQ(boots, 7u);
}

TEST(QxBootCounterTest, CorruptEntryIsALoadError)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("counter");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x01\x02 junk\n" + kEngine.toHex() + " many\n");
    f.close();
    quint32 boots = 0;
    EXPECT_EQ(QxBootCounter::load(file, kEngine, boots), QxBootCounter::BadEntry);
}

TEST(QxSNMPSessionTest, FirstAndSecondStartCountBoots)
{
    QTemporaryDir dir;
    initializeSession(dir.path());
    ASSERT_NE(globalSession(), nullptr);
    EXPECT_EQ(globalSession()->engineBoots(), 1u);
    EXPECT_GE(globalSession()->socketDescriptor(), 0);
    ASSERT_NE(SnmpEventProcessor(), nullptr);
    EXPECT_TRUE(SnmpEventProcessor()->isActive());

    quint32 boots = 0;
    EXPECT_EQ(QxBootCounter::load(dir.filePath("QxSNMP_PP_BootCounter"), kEngine, boots), QxBootCounter::Found);
    EXPECT_EQ(boots, 1u);

    initializeSession(dir.path());
    EXPECT_EQ(globalSession()->engineBoots(), 2u);
    EXPECT_EQ(QxBootCounter::load(dir.filePath("QxSNMP_PP_BootCounter"), kEngine, boots), QxBootCounter::Found);
    EXPECT_EQ(boots, 2u);
}

TEST(QxSNMPSessionTest, DefaultsAreSetEachStart)
{
    QTemporaryDir dir;
    defaultDevice.address = "10.0.0.1";
    defaultSecurity.version = 3;
    defaultTimeout = 5;
    initializeSession(dir.path());
    EXPECT_EQ(defaultDevice.address, "127.0.0.1");
    EXPECT_EQ(defaultDevice.port, 161);
    EXPECT_EQ(defaultSecurity.version, 0);
    EXPECT_EQ(defaultSecurity.readCommunity, "vqmtze");
    EXPECT_EQ(defaultSecurity.writeCommunity, "kdrwopl");
    EXPECT_EQ(defaultSecurity.securityModel, 1);
    EXPECT_EQ(defaultSecurity.securityLevel, 1);
    EXPECT_EQ(defaultSecurity.authProtocol, 1);
    EXPECT_EQ(defaultSecurity.privProtocol, 1);
    EXPECT_TRUE(defaultScope.contextEngineId.isEmpty());
    EXPECT_EQ(defaultTimeout, 100);
}

TEST(QxSNMPSessionTest, UnwritableCounterFileFailsWith508)
{
    QTemporaryDir dir;
    // A folder in the file's place cannot be written, not even by root.
    ASSERT_TRUE(QDir(dir.path()).mkdir("QxSNMP_PP_BootCounter"));
    try {
        initializeSession(dir.path());
        FAIL() << "no error raised";
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -508);
        EXPECT_EQ(e.text(), "(QxSNMP++) Error when saving SNMP engine boots counter!");
    }
}

TEST(QxSNMPSessionTest, CorruptCounterFileFailsWith507)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("QxSNMP_PP_BootCounter"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kEngine.toHex() + " -3\n");
    f.close();
    try {
        initializeSession(dir.path());
        FAIL() << "no error raised";
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -507);
    }
}

TEST(QxSNMPSessionTest, PumpSurvivesRepeatedTicksWithNothingPending)
{
    QTemporaryDir dir;
    initializeSession(dir.path());
    for (int i = 0; i < 10; ++i)
        SnmpEventProcessor()->pump();
    EXPECT_TRUE(SnmpEventProcessor()->isActive());
    SnmpEventProcessor()->stop();
    EXPECT_FALSE(SnmpEventProcessor()->isActive());
    SnmpEventProcessor()->start();
}

} // namespace
