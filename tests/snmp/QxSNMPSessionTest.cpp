#include "common/TestAgents.h"
#include "common/TestSupport.h"
#include "snmp/QxBootCounter.h"
#include "snmp/QxSNMPEventPump.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

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

// Modules started together each save their own engine's line: none is lost.
TEST(QxBootCounterTest, ProcessesSavingAtOnceKeepEveryEngine)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("counter");
    constexpr int Processes = 6;
    constexpr int Saves = 20;
    ASSERT_TRUE(TestSupport::inProcesses(Processes, [&file](int p) {
        bool saved = true;
        for (int n = 1; n <= Saves; ++n)
            saved &= QxBootCounter::save(file, "engine " + QByteArray::number(p), quint32(n)) == 0;
        return saved;
    }));
    for (int p = 0; p < Processes; ++p) {
        quint32 boots = 0;
        EXPECT_EQ(QxBootCounter::load(file, "engine " + QByteArray::number(p), boots), QxBootCounter::Found) << p;
        EXPECT_EQ(boots, quint32(Saves)) << p;
    }
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

// The pump's timer is needed for time-outs and retransmissions only: it stops
// when nothing is in flight, and a send starts it again, so that a silent agent
// still times out.
TEST(QxSNMPSessionTest, PumpTicksOnlyWhileARequestIsInFlight)
{
    QTemporaryDir dir;
    initializeSession(dir.path());
    QxSNMPEventPump *pump = SnmpEventProcessor();
    ASSERT_NE(pump, nullptr);
    // Nothing is in flight: the timer stops at its next tick.
    EXPECT_TRUE(TestSupport::waitUntil([&] { return !pump->ticking(); }, 2000));
    EXPECT_TRUE(pump->isActive());

    // An agent that never answers: a socket of the test's own that nobody reads.
    const int fd = TestAgents::bindLoopbackUdp();
    ASSERT_GE(fd, 0);

    QxSNMPRequest r;
    r.device.address = "127.0.0.1";
    r.device.port = TestAgents::boundPort(fd);
    r.security.version = QxSNMPSecurity::V2c;
    r.timeout = 10;
    r.retries = 1;
    r.varList().append("1.3.6.1.2.1.1.5", "Name", QxSyntax::displaystr, QxAccess::readonly);
    r.varList().setItemType(SVT_SV);
    for (int round = 0; round < 2; ++round) {
        QxSNMPError reply;
        bool done = false;
        r.readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr, true);
        EXPECT_TRUE(pump->ticking()) << round;
        ASSERT_TRUE(TestSupport::waitUntil([&] { return done; }, 5000)) << round;
        EXPECT_EQ(reply.message, "(SNMPClass) SNMP request timed out!");
        EXPECT_FALSE(pump->ticking()) << round;
    }
    ::close(fd);
}

} // namespace
