#include "common/SimulatorProcess.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include "EnterpriseBase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "common/TestSupport.h"

namespace {

using TestSupport::codeOf;
using TestSupport::waitUntil;

constexpr QxSNMPVarItem kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.1.2", "Object ID", QxSyntax::objectid, QxAccess::readonly},
    {"1.3.6.1.2.1.1.5", "Name", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.1.7", "Services", QxSyntax::integer, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kWritable[] = {
    {"1.3.6.1.2.1.1.4", "Contact", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.1.5", "Name", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.1.6", "Location", QxSyntax::displaystr, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {},
};

// The simulator's fault controls (see sim/SimControl.h).
constexpr QxSNMPVarItem kControl[] = {
    {"1.3.6.1.3.2400.1.1", "Drop percent", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.3.2400.1.4", "Next mode", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.3.2400.1.5", "Next prefix", QxSyntax::objectid, QxAccess::readwrite},
    {},
};


class RequestOnSimulator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!sim.running())
            GTEST_SKIP() << "the simulator is not built";
        initializeSession(counterDir.path());
        sim.useAsDefaultAgent();
    }

    std::unique_ptr<QxSNMPRequest> request(const QxSNMPVarItem *items, quint8 kind, int keys = 0)
    {
        auto r = std::make_unique<QxSNMPRequest>();
        r->varList() = QxSNMPVarList(items, kind, keys);
        return r;
    }

    void control(const QString &selection, const QStringList &values)
    {
        auto r = request(kControl, SVT_SV);
        r->writeRow(selection, values);
    }

    int walkRows(QxSNMPRequest &r)
    {
        int rows = 0;
        for (bool more = r.readRow(true); more && rows < 1000; more = r.readRow(false))
            ++rows;
        return rows;
    }

    SimulatorProcess sim;
    QTemporaryDir counterDir;
};

TEST_F(RequestOnSimulator, ScalarGroupRead)
{
    auto r = request(kSystem, SVT_SV);
    EXPECT_FALSE(r->readRow(true));
    EXPECT_EQ(r->varList().item(0).valueText, "NX-2400P Fast Ethernet PoE Managed Switch");
    EXPECT_EQ(r->varList().item(1).valueText, QString::fromLatin1(EnterpriseBase) + ".10.63.7");
    EXPECT_EQ(r->varList().item(2).valueText, "NX-2400P");
    EXPECT_EQ(r->varList().item(3).valueText, "2");
}

TEST_F(RequestOnSimulator, WalksThePortTable)
{
    auto r = request(kIfTable, MVT_FMV, 1);
    ASSERT_TRUE(r->readRow(true));
    EXPECT_EQ(r->varList().item(0).valueText, "1");
    EXPECT_EQ(r->varList().item(1).valueText, "RMON Port 1 on Unit 1");
    // 24 copper ports, 4 uplinks and whatever else the agent counts.
    EXPECT_GE(walkRows(*r), 28);
}

TEST_F(RequestOnSimulator, WriteWithSelectionAndValueSource)
{
    auto r = request(kWritable, SVT_SV);
    r->varList().item(1).valueText = "not sent";
    r->writeRow("0,2", {"the contact", "the location"});
    EXPECT_EQ(r->varList().item(0).valueText, "");
    EXPECT_EQ(r->varList().item(1).valueText, "not sent");
    r->readRow(true);
    EXPECT_EQ(r->varList().item(0).valueText, "the contact");
    EXPECT_EQ(r->varList().item(1).valueText, "NX-2400P");
    EXPECT_EQ(r->varList().item(2).valueText, "the location");
}

TEST_F(RequestOnSimulator, RefusedSetLeavesValues)
{
    constexpr QxSNMPVarItem gvrp[] = {
        {"1.3.6.1.2.1.17.7.1.1.5", "GVRP", QxSyntax::integer, QxAccess::readwrite},
        {"1.3.6.1.2.1.1.5", "Name", QxSyntax::displaystr, QxAccess::readwrite},
        {},
    };
    auto r = request(gvrp, SVT_SV);
    r->varList().item(0).valueText = "7";
    r->varList().item(1).valueText = "changed";
    EXPECT_EQ(codeOf([&] { r->writeRow(); }), -110);
    EXPECT_EQ(r->varList().item(0).valueText, "7");
    r->readRow(true);
    EXPECT_EQ(r->varList().item(0).valueText, "2");
    EXPECT_EQ(r->varList().item(1).valueText, "NX-2400P"); // the whole SET was refused
}

TEST_F(RequestOnSimulator, DroppedRequestsTimeOut)
{
    control("0", {"100"});
    auto r = request(kSystem, SVT_SV);
    r->timeout = 20;
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -405);

    QxSNMPError reply;
    bool done = false;
    r->readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; }, 3000));
    EXPECT_EQ(reply.code, -405);
    EXPECT_TRUE(reply.endOfData);
}

TEST_F(RequestOnSimulator, WalkEndsWhenGetNextRepeats)
{
    control("1,2", {"2", "1.3.6.1.2.1.2.2"});
    auto r = request(kIfTable, MVT_FMV, 1);
    EXPECT_LE(walkRows(*r), 2);
}

TEST_F(RequestOnSimulator, WalkEndsWhenGetNextGoesBackwards)
{
    control("1,2", {"3", "1.3.6.1.2.1.2.2"});
    auto r = request(kIfTable, MVT_FMV, 1);
    EXPECT_LE(walkRows(*r), 2);
}

void readWithUsm(quint16 port, const char *user, int auth, const char *authPass, const char *privPass)
{
    QxSNMPRequest r;
    r.varList() = QxSNMPVarList(kSystem, SVT_SV, 0);
    r.device.port = port;
    r.security.version = QxSNMPSecurity::V3;
    r.security.securityModel = 3;
    r.security.securityLevel = QxSNMPSecurity::AuthPriv;
    r.security.securityName = user;
    r.security.authProtocol = auth;
    r.security.privProtocol = QxSNMPSecurity::PrivDES;
    r.security.authPassword = authPass;
    r.security.privPassword = privPass;
    EXPECT_FALSE(r.readRow(true));
    EXPECT_EQ(r.varList().item(2).valueText, "NX-2400P");
    r.writeRow("2", {"v3 name"});
    r.readRow(true);
    EXPECT_EQ(r.varList().item(2).valueText, "v3 name");
}

TEST_F(RequestOnSimulator, SnmpV3AuthPrivMd5Des)
{
    readWithUsm(sim.port(), "nxmd5", QxSNMPSecurity::AuthMD5, "nxmd5auth1", "nxmd5priv1");
}

TEST_F(RequestOnSimulator, SnmpV3AuthPrivShaDes)
{
    readWithUsm(sim.port(), "nxsha", QxSNMPSecurity::AuthSHA, "nxshaauth1", "nxshapriv1");
}

void useMd5User(QxSNMPRequest &r)
{
    r.security.version = QxSNMPSecurity::V3;
    r.security.securityModel = 3;
    r.security.securityLevel = QxSNMPSecurity::AuthPriv;
    r.security.securityName = "nxmd5";
    r.security.authProtocol = QxSNMPSecurity::AuthMD5;
    r.security.privProtocol = QxSNMPSecurity::PrivDES;
    r.security.authPassword = "nxmd5auth1";
    r.security.privPassword = "nxmd5priv1";
}

// An asynchronous SNMPv3 exchange with an agent not met before finds its
// engine by a probe of its own; later exchanges use the engine found.
TEST_F(RequestOnSimulator, AsynchronousSnmpV3FindsTheEngineOnItsOwn)
{
    auto r = request(kSystem, SVT_SV);
    useMd5User(*r);
    const QString agent = QStringLiteral("%1:%2").arg(r->device.address).arg(sim.port());
    ASSERT_TRUE(globalSession()->engineId(agent).isEmpty());
    QxSNMPError reply;
    bool done = false;
    const auto handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; };
    for (int round = 0; round < 2; ++round) {
        done = false;
        r->varList().item(2).valueText.clear();
        r->readRowAsync(handler, nullptr, true);
        ASSERT_TRUE(waitUntil([&] { return done; }, 5000)) << round;
        EXPECT_EQ(reply.code, 0) << reply.message.toStdString();
        EXPECT_EQ(r->varList().item(2).valueText, "NX-2400P");
        EXPECT_FALSE(globalSession()->engineId(agent).isEmpty());
    }
    // A write finds the engine the same way after it is forgotten.
    globalSession()->forgetEngineId(agent);
    done = false;
    r->writeRowAsync(handler, nullptr, "2", {"async v3"});
    ASSERT_TRUE(waitUntil([&] { return done; }, 5000));
    EXPECT_EQ(reply.code, 0) << reply.message.toStdString();
    r->readRow(true);
    EXPECT_EQ(r->varList().item(2).valueText, "async v3");
}

// Nothing blocks while the engine of an agent that never answers is sought:
// the call returns, and the time-out arrives through the pump like any other.
TEST_F(RequestOnSimulator, AsynchronousSnmpV3ToASilentAgentTimesOutLater)
{
    control("0", {"100"});
    auto r = request(kSystem, SVT_SV);
    useMd5User(*r);
    r->timeout = 20;
    QxSNMPError reply;
    bool done = false;
    EXPECT_EQ(codeOf([&] {
                  r->readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; },
                                  nullptr, true);
              }),
              0);
    EXPECT_FALSE(done);
    ASSERT_TRUE(waitUntil([&] { return done; }, 5000));
    EXPECT_EQ(reply.message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(r->outstanding(), 0);
    // A blocking read still raises the time-out.
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -405);
}

} // namespace
