#include "common/OnPrivateSimulator.h"
#include "common/SimulatorProcess.h"

#include "snmp/QxBulkWalk.h"
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

// Two tables side by side, read as one: the bridge's ports (28) end before
// the interfaces (28 ports, the CPU and a VLAN), so one column ends while the
// others go on.
constexpr QxSNMPVarItem kPortsBesideInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.17.1.4.1.2", "Bridge port interface", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", QxSyntax::displaystr, QxAccess::readonly},
    {},
};

// The simulator's fault controls (see sim/SimControl.h).
constexpr QxSNMPVarItem kControl[] = {
    {"1.3.6.1.3.2400.1.1", "Drop percent", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.3.2400.1.4", "Next mode", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.3.2400.1.5", "Next prefix", QxSyntax::objectid, QxAccess::readwrite},
    {},
};


class RequestOnSimulator : public OnPrivateSimulator
{
protected:

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

    // A row as a walk leaves it: every value and where each column stands.
    static QString trace(const QxSNMPVarList &list)
    {
        QStringList row;
        for (int i = 0; i < list.count(); ++i)
            row << list.item(i).valueText + " @" + list.item(i).instanceOid;
        return row.join(" | ");
    }

    // Every row of a walk, read with the given GETBULK setting (0: GET-NEXT only).
    QStringList walkTrace(const QxSNMPVarItem *items, int repetitions, bool asynchronous = false)
    {
        auto r = request(items, MVT_FMV, 1);
        r->maxRepetitions = repetitions;
        QStringList rows;
        if (!asynchronous) {
            for (bool more = r->readRow(true); more && rows.size() < 1000; more = r->readRow(false))
                rows << trace(r->varList());
            return rows;
        }
        bool done = false;
        QxSNMPRequest::CompletionHandler handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &list) {
            if (e.code != 0 || e.endOfData || rows.size() >= 1000) {
                EXPECT_EQ(e.code, 0) << e.message.toStdString();
                done = true;
                return;
            }
            rows << trace(list);
            r->readRowAsync(handler, nullptr, false);
        };
        r->readRowAsync(handler, nullptr, true);
        EXPECT_TRUE(waitUntil([&] { return done; }, 10000));
        return rows;
    }

    // A walk in bulk, however its GETBULKs are cut, reads what the GET-NEXT walk reads.
    void expectBulkReadsAsGetNext(const QxSNMPVarItem *items)
    {
        const QStringList oneByOne = walkTrace(items, 0);
        ASSERT_FALSE(oneByOne.isEmpty());
        for (int repetitions : {QxBulkWalk::Adaptive, 1, 3})
            EXPECT_EQ(walkTrace(items, repetitions), oneByOne) << repetitions;
        EXPECT_EQ(walkTrace(items, QxBulkWalk::Adaptive, true), oneByOne);
    }

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

// Every write reaches the session's listener once its outcome is known:
// binding by binding what was written where, what was read there before, and
// what the agent said; an SNMPv1 refusal too, naming the refused variable.
TEST_F(RequestOnSimulator, EveryWriteIsReportedBindingByBinding)
{
    QList<QxSNMPWrite> heard;
    const int listener = globalSession()->addWriteListener([&heard](const QxSNMPWrite &w) { heard << w; });
    auto r = request(kWritable, SVT_SV);
    r->readRow(true);
    r->writeRow("1", {"renamed"});
    ASSERT_EQ(heard.size(), 1);
    ASSERT_EQ(heard[0].bindings.size(), 1);
    const QxSNMPWrite::Binding &name = heard[0].bindings[0];
    EXPECT_EQ(name.instance, "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(name.caption, r->varList().item(1).caption);
    EXPECT_EQ(name.before, std::optional<QString>("NX-2400P"));
    EXPECT_EQ(name.sent, "renamed");
    EXPECT_TRUE(heard[0].wentThrough());

    // Nothing was read at a row the write creates; an SNMPv1 agent refusing
    // it names the variable.
    constexpr QxSNMPVarItem readOnly[] = {
        {"1.3.6.1.2.1.1.1", "Description", QxSyntax::displaystr, QxAccess::readwrite},
        {},
    };
    auto v1 = request(readOnly, SVT_SV);
    v1->security.version = QxSNMPSecurity::V1;
    v1->varList().item(0).valueText = "changed";
    try {
        v1->writeRow();
        ADD_FAILURE() << "the agent took a read-only object";
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.text(), "(SNMP) Variable does not exist! (Description)");
        EXPECT_EQ(e.variable(), 0);
    }
    ASSERT_EQ(heard.size(), 2);
    EXPECT_EQ(heard[1].bindings[0].before, std::nullopt);
    EXPECT_EQ(heard[1].code, -102);
    EXPECT_EQ(heard[1].refused, 0);

    bool done = false;
    v1->writeRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) {
        EXPECT_EQ(e.code, -102);
        EXPECT_EQ(e.variable, 0);
        done = true;
    }, nullptr);
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_EQ(heard.size(), 3);
    globalSession()->removeWriteListener(listener);
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
    expectBulkReadsAsGetNext(kPortsBesideInterfaces);
}

TEST_F(RequestOnSimulator, WalkEndsWhenGetNextGoesBackwards)
{
    control("1,2", {"3", "1.3.6.1.2.1.2.2"});
    auto r = request(kIfTable, MVT_FMV, 1);
    EXPECT_LE(walkRows(*r), 2);
    expectBulkReadsAsGetNext(kPortsBesideInterfaces);
}

// SNMPv2c walks go in bulk and read, row by row, what one GET-NEXT per row reads,
// with a column that ends before the others; SNMPv1 walks send no GETBULK.
TEST_F(RequestOnSimulator, BulkWalkReadsWhatTheGetNextWalkReads)
{
    expectBulkReadsAsGetNext(kPortsBesideInterfaces);
    const int bulks = sim.bulkCount();
    EXPECT_GT(bulks, 0);
    const QStringList rows = walkTrace(kPortsBesideInterfaces, 0);
    EXPECT_EQ(rows.size(), 30);
    EXPECT_TRUE(rows.last().contains("(NOTDONE)")) << rows.last().toStdString();
    defaultSecurity.version = QxSNMPSecurity::V1;
    EXPECT_EQ(walkTrace(kPortsBesideInterfaces, QxBulkWalk::Adaptive), rows);
    EXPECT_EQ(sim.bulkCount(), bulks);
}

// An agent that refuses GETBULK with an error is walked with GET-NEXT at once,
// with no row lost, and from then on without asking it again.
TEST_F(RequestOnSimulator, AnAgentRefusingGetBulkIsWalkedWithGetNext)
{
    const QStringList oneByOne = walkTrace(kPortsBesideInterfaces, 0);
    sim.setBulkMode(2);
    EXPECT_EQ(walkTrace(kPortsBesideInterfaces, QxBulkWalk::Adaptive, true), oneByOne);
    EXPECT_EQ(walkTrace(kPortsBesideInterfaces, QxBulkWalk::Adaptive), oneByOne);
    EXPECT_EQ(sim.bulkCount(), 1);
}

// An agent that never answers GETBULK costs its step one try, not a second
// time-out: the GET-NEXT has the step's other try. The second time it is
// taken at its word, and walked with GET-NEXT from then on.
TEST_F(RequestOnSimulator, AnAgentIgnoringGetBulkCostsNoSecondTimeOut)
{
    const QStringList oneByOne = walkTrace(kIfTable, 0);
    sim.setBulkMode(3);
    defaultTimeout = 40; // a step may take 0.8 s: two tries
    for (int walk = 0; walk < 3; ++walk) {
        QElapsedTimer clock;
        clock.start();
        auto r = request(kIfTable, MVT_FMV, 1);
        ASSERT_TRUE(r->readRow(true));
        EXPECT_LT(clock.elapsed(), walk < 2 ? 800 : 300) << walk;
        EXPECT_EQ(walkTrace(kIfTable, QxBulkWalk::Adaptive), oneByOne) << walk;
    }
    EXPECT_EQ(sim.bulkCount(), 2);

    // An agent that answers nothing at all: one time-out for the step, as before.
    SimulatorProcess silent({"--drop", "100"}, false);
    silent.useAsDefaultAgent();
    auto r = request(kIfTable, MVT_FMV, 1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -405);
    EXPECT_LT(clock.elapsed(), 1200);
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
