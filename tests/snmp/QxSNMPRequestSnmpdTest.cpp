#include "SnmpdAgent.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include "common/TestSupport.h"

namespace {

using TestSupport::codeOf;
using TestSupport::waitUntil;

constexpr QxSNMPVarItem kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.1.2", "Object ID", QxSyntax::objectid, QxAccess::readonly},
    {"1.3.6.1.2.1.1.3", "Up Time", QxSyntax::timeticks, QxAccess::readonly},
    {"1.3.6.1.2.1.1.4", "Contact", QxSyntax::displaystr, QxAccess::writeonly},
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
    {"1.3.6.1.2.1.2.2.1.3", "Type", QxSyntax::integer, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kIfIndexOnly[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kEmptyTable[] = {
    {"1.3.6.1.2.1.999.1.1", "Key", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.999.1.2", "Value", QxSyntax::integer, QxAccess::readonly},
    {},
};


class RequestOnSnmpd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!agent.running())
            GTEST_SKIP() << "snmpd could not be started";
        initializeSession(counterDir.path());
        agent.useAsDefaultAgent();
    }

    std::unique_ptr<QxSNMPRequest> request(const QxSNMPVarItem *items, quint8 kind, int keys = 0)
    {
        auto r = std::make_unique<QxSNMPRequest>();
        r->varList() = QxSNMPVarList(items, kind, keys);
        return r;
    }

    // Reads every row of a table; fails the test when the walk does not end.
    QList<QStringList> walk(QxSNMPRequest &r)
    {
        QList<QStringList> rows;
        bool more = r.readRow(true);
        while (more && rows.size() < 1000) {
            QStringList row;
            for (int i = 0; i < r.varList().count(); ++i)
                row << r.varList().item(i).valueText;
            rows << row;
            more = r.readRow(false);
        }
        EXPECT_FALSE(more);
        return rows;
    }

    SnmpdAgent agent;
    QTemporaryDir counterDir;
};

TEST_F(RequestOnSnmpd, ScalarGroupIsOneGetWithDotZero)
{
    auto r = request(kSystem, SVT_SV);
    r->varList().item(3).valueText = "untouched";
    EXPECT_FALSE(r->readRow(true));
    EXPECT_TRUE(r->varList().item(0).valueText.startsWith("Linux")) << r->varList().item(0).valueText.toStdString();
    EXPECT_EQ(r->varList().item(1).valueText, "1.3.6.1.4.1.8072.3.2.10");
    EXPECT_TRUE(r->varList().item(2).valueText.contains(':'));
    EXPECT_EQ(r->varList().item(0).instanceOid, "1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(r->varList().item(3).valueText, "untouched");
}

TEST_F(RequestOnSnmpd, NoSuchNameOnScalarReadRaises)
{
    constexpr QxSNMPVarItem missing[] = {{"1.3.6.1.2.1.1.99", "Missing", QxSyntax::integer, QxAccess::readonly}, {}};
    auto r = request(missing, SVT_SV);
    r->security.version = QxSNMPSecurity::V1;
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -102);
    // SNMPv2c answers with an exception value instead.
    r->security.version = QxSNMPSecurity::V2c;
    EXPECT_FALSE(r->readRow(true));
    EXPECT_EQ(r->varList().item(0).valueText, "(NULL)");
}

TEST_F(RequestOnSnmpd, WalksATableAndDecodesTheKey)
{
    auto r = request(kIfTable, MVT_FMV, 1);
    const QList<QStringList> rows = walk(*r);
    ASSERT_GE(rows.size(), 1);
    EXPECT_EQ(rows[0][0], "1");
    EXPECT_EQ(rows[0][1], "lo");
    EXPECT_EQ(rows[0][2], "24");
    EXPECT_EQ(r->varList().item(0).instanceOid, "1.3.6.1.2.1.2.2.1.1." + rows.last()[0]);
}

TEST_F(RequestOnSnmpd, SnmpV1EndOfTableByNoSuchNameIsNoError)
{
    auto r = request(kIfIndexOnly, MVT_FMV, 1);
    r->security.version = QxSNMPSecurity::V1;
    r->security.readCommunity = "ifonly";
    const QList<QStringList> rows = walk(*r);
    EXPECT_GE(rows.size(), 1);

    // The same walk asynchronously: the last reply ends the walk with code 0.
    QList<QxSNMPError> replies;
    auto handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &) { replies << e; };
    r->readRowAsync(handler, nullptr, true);
    while (waitUntil([&] { return r->outstanding() == 0; }, 3000) && !replies.isEmpty()
           && !replies.last().endOfData && replies.size() < 100)
        r->readRowAsync(handler, nullptr, false);
    ASSERT_EQ(replies.size(), rows.size() + 1);
    EXPECT_EQ(replies.last().code, 0);
    EXPECT_EQ(replies.last().message, "Ok");
    EXPECT_TRUE(replies.last().endOfData);
    EXPECT_FALSE(replies.first().endOfData);
}

TEST_F(RequestOnSnmpd, EmptySnmpV1TableEndsWithCodeZero)
{
    auto r = request(kEmptyTable, MVT_UMV, 1);
    r->security.version = QxSNMPSecurity::V1;
    r->security.readCommunity = "emptyview";
    EXPECT_FALSE(r->readRow(true));

    QxSNMPError reply;
    bool done = false;
    r->readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; }, 3000));
    EXPECT_EQ(reply.code, 0);
    EXPECT_TRUE(reply.endOfData);
    EXPECT_EQ(reply.agentAddress, "127.0.0.1");
    EXPECT_EQ(reply.agentPort, agent.port());
}

TEST_F(RequestOnSnmpd, WriteWithSelectionListSendsOnlyTheChosenVariables)
{
    auto reader = request(kWritable, SVT_SV);
    reader->readRow(true);
    const QString nameBefore = reader->varList().item(1).valueText;

    auto r = request(kWritable, SVT_SV);
    r->varList().item(0).valueText = "old contact";
    r->varList().item(1).valueText = "never sent";
    r->varList().item(2).valueText = "old location";
    r->writeRow("0,2", {"new contact", "new location"});
    // The list is as it was before the write.
    EXPECT_EQ(r->varList().item(0).valueText, "old contact");
    EXPECT_EQ(r->varList().item(2).valueText, "old location");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r->varList().item(i).access, quint32(QxAccess::readwrite));

    reader->readRow(true);
    EXPECT_EQ(reader->varList().item(0).valueText, "new contact");
    EXPECT_EQ(reader->varList().item(1).valueText, nameBefore);
    EXPECT_EQ(reader->varList().item(2).valueText, "new location");

    bool done = false;
    QxSNMPError reply;
    r->writeRowAsync([&](void *user, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = user == &reply; },
                     &reply, "2", {"async location"});
    ASSERT_TRUE(waitUntil([&] { return done; }, 3000));
    EXPECT_EQ(reply.code, 0);
    EXPECT_TRUE(reply.endOfData);
    reader->readRow(true);
    EXPECT_EQ(reader->varList().item(2).valueText, "async location");
}

TEST_F(RequestOnSnmpd, RefusedWriteLeavesTheValues)
{
    constexpr QxSNMPVarItem wrongType[] = {{"1.3.6.1.2.1.1.4", "Contact", QxSyntax::integer, QxAccess::readwrite}, {}};
    auto r = request(wrongType, SVT_SV);
    r->varList().item(0).valueText = "42";
    EXPECT_EQ(codeOf([&] { r->writeRow(); }), -107);
    EXPECT_EQ(r->varList().item(0).valueText, "42");
    EXPECT_EQ(codeOf([&] { r->writeRow("0", {"43"}); }), -107);
    EXPECT_EQ(r->varList().item(0).valueText, "42");
}

TEST_F(RequestOnSnmpd, FailureWhileBuildingAWriteRestoresTheList)
{
    auto r = request(kWritable, SVT_SV);
    r->varList().item(0).valueText = "kept";
    r->device.address = "300.1.2.3";
    EXPECT_EQ(codeOf([&] { r->writeRow("1", {"x"}); }), -509);
    EXPECT_EQ(r->varList().item(0).valueText, "kept");
    EXPECT_FALSE(r->varList().item(0).has(QxAccess::invalid));
    EXPECT_EQ(codeOf([&] { r->writeRowAsync({}, nullptr, "1", {"x"}); }), -509);
    EXPECT_FALSE(r->varList().item(0).has(QxAccess::invalid));
    EXPECT_EQ(r->outstanding(), 0);
}

TEST_F(RequestOnSnmpd, InvalidAddressRaisesBeforeSending)
{
    auto r = request(kSystem, SVT_SV);
    for (const char *address : {"300.1.2.3", "bad host!", "", "1.2.3"}) {
        r->device.address = address;
        EXPECT_EQ(codeOf([&] { r->readRow(true); }), -509) << address;
        EXPECT_EQ(codeOf([&] { r->readRowAsync({}, nullptr, true); }), -509) << address;
    }
    EXPECT_EQ(r->outstanding(), 0);
}

TEST_F(RequestOnSnmpd, SilentAgentTimesOut)
{
    auto r = request(kSystem, SVT_SV);
    r->device.port = TestAgents::freeUdpPort();
    r->timeout = 20;
    r->retries = 0;
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -405);

    QxSNMPError reply;
    bool done = false;
    r->readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr, true);
    EXPECT_EQ(r->outstanding(), 1);
    ASSERT_TRUE(waitUntil([&] { return done; }, 3000));
    EXPECT_EQ(reply.code, -405);
    EXPECT_EQ(reply.message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(r->outstanding(), 0);
}

TEST_F(RequestOnSnmpd, DestroyingARequestWaitsForItsTwoReplies)
{
    auto r = request(kSystem, SVT_SV);
    int calls = 0;
    auto handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &list) {
        EXPECT_EQ(e.code, 0);
        EXPECT_FALSE(list.item(0).valueText.isEmpty());
        ++calls;
    };
    r->readRowAsync(handler, nullptr, true);
    r->readRowAsync(handler, nullptr, true);
    EXPECT_EQ(r->outstanding(), 2);
    QElapsedTimer clock;
    clock.start();
    r.reset();
    EXPECT_EQ(calls, 2);
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST_F(RequestOnSnmpd, HandlerWithANestedEventLoopIsNotReentered)
{
    auto r = request(kSystem, SVT_SV);
    bool insideFirst = false;
    bool nestedCall = false;
    int calls = 0;
    auto handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &) {
        EXPECT_EQ(e.code, 0);
        nestedCall = nestedCall || insideFirst;
        if (++calls == 1) {
            // A handler that shows a message box runs a nested event loop.
            insideFirst = true;
            waitUntil([] { return false; }, 200);
            insideFirst = false;
        }
    };
    r->readRowAsync(handler, nullptr, true);
    r->readRowAsync(handler, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return calls == 2; }, 3000));
    EXPECT_FALSE(nestedCall);
    EXPECT_EQ(r->outstanding(), 0);
}

TEST_F(RequestOnSnmpd, HandlerMayReadSynchronouslyAndSendAgain)
{
    auto r = request(kSystem, SVT_SV);
    auto other = request(kIfTable, MVT_FMV, 1);
    int calls = 0;
    bool otherRead = false;
    std::function<void(void *, const QxSNMPError &, QxSNMPVarList &)> handler =
        [&](void *, const QxSNMPError &e, QxSNMPVarList &) {
            EXPECT_EQ(e.code, 0);
            if (++calls == 1) {
                // A controller may refresh another list synchronously and then
                // send again from inside the handler.
                otherRead = other->readRow(true);
                r->readRowAsync(handler, nullptr, true);
            }
        };
    r->readRowAsync(handler, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return calls == 2; }, 3000));
    EXPECT_TRUE(otherRead);
    EXPECT_EQ(other->varList().item(0).valueText, "1");
    EXPECT_TRUE(waitUntil([&] { return r->outstanding() == 0; }, 1000));
}

TEST_F(RequestOnSnmpd, ReplyAfterTheRequestIsGoneIsDropped)
{
    auto r = request(kSystem, SVT_SV);
    r->device.port = TestAgents::freeUdpPort();
    r->timeout = 700; // the time-out arrives after the 6000 ms wait
    r->retries = 0;
    bool called = false;
    r->readRowAsync([&](void *, const QxSNMPError &, QxSNMPVarList &) { called = true; }, nullptr, true);
    QElapsedTimer clock;
    clock.start();
    r.reset();
    EXPECT_GE(clock.elapsed(), QxSNMPRequest::DestroyWaitMs - 100);
    // The library reports the time-out later; nothing may touch the freed request.
    waitUntil([] { return false; }, 1500);
    EXPECT_FALSE(called);
}

TEST_F(RequestOnSnmpd, DeadRequestDoesNothing)
{
    auto r = request(kSystem, SVT_SV);
    r->setAlive(false);
    EXPECT_FALSE(r->readRow(true));
    r->readRowAsync({}, nullptr, true);
    r->writeRow();
    EXPECT_EQ(r->outstanding(), 0);
    EXPECT_TRUE(r->varList().item(0).valueText.isEmpty());
}

void readWithUsm(RequestOnSnmpd *, quint16 port, const char *user, int auth, const char *authPass,
                 const char *privPass)
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
    EXPECT_TRUE(r.varList().item(0).valueText.startsWith("Linux"));

    bool done = false;
    QxSNMPError reply;
    r.varList().item(0).valueText.clear();
    r.readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; }, 3000));
    EXPECT_EQ(reply.code, 0) << reply.message.toStdString();
    EXPECT_TRUE(r.varList().item(0).valueText.startsWith("Linux"));

    // A wrong pass phrase is an authentication failure, not a crash or a hang.
    r.security.authPassword = QString::fromLatin1(authPass) + "x";
    const int code = codeOf([&] { r.readRow(true); });
    EXPECT_TRUE(code == -308 || code == -405) << code;
}

TEST_F(RequestOnSnmpd, SnmpV3AuthPrivMd5Des)
{
    readWithUsm(this, agent.port(), "alice", QxSNMPSecurity::AuthMD5, "alicepass1", "alicepriv1");
}

TEST_F(RequestOnSnmpd, SnmpV3AuthPrivShaDes)
{
    readWithUsm(this, agent.port(), "bob", QxSNMPSecurity::AuthSHA, "bobpass123", "bobpriv123");
}

} // namespace
