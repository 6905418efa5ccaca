#include "FakeAgent.h"

#include "snmp/QxBulkWalk.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <mutex>
#include <gtest/gtest.h>
#include "common/TestSupport.h"

namespace {

using TestSupport::codeOf;
using TestSupport::waitUntil;

using fake::Oid;
using fake::Varbind;
using fake::operator+;

// A table at 1.3.6.1.3.77.1.1: column 1 the key, 2 and 3 values.
constexpr QxSNMPVarItem kTable[] = {
    {"1.3.6.1.3.77.1.1.1", "Key", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.3.77.1.1.2", "Name", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.3.77.1.1.3", "Count", QxSyntax::integer, QxAccess::readonly},
    {},
};

const Oid kColumn2 = fake::parseOid("1.3.6.1.3.77.1.1.2");
const Oid kColumn3 = fake::parseOid("1.3.6.1.3.77.1.1.3");


class RequestOnFakeAgent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initializeSession(counterDir.path());
        defaultSecurity.version = QxSNMPSecurity::V2c;
        defaultTimeout = 50;
    }

    std::unique_ptr<QxSNMPRequest> request(const fake::Agent &agent, const QxSNMPVarItem *items, quint8 kind,
                                           int keys)
    {
        auto r = std::make_unique<QxSNMPRequest>();
        r->device.port = agent.port();
        r->retries = 0;
        r->varList() = QxSNMPVarList(items, kind, keys);
        return r;
    }

    static QStringList values(const QxSNMPVarList &list)
    {
        QStringList out;
        for (int i = 0; i < list.count(); ++i)
            out << list.item(i).valueText;
        return out;
    }

    QList<QStringList> walk(QxSNMPRequest &r)
    {
        QList<QStringList> rows;
        bool more = r.readRow(true);
        while (more && rows.size() < 100) {
            rows << values(r.varList());
            more = r.readRow(false);
        }
        EXPECT_FALSE(more) << "the walk did not end";
        return rows;
    }

    QTemporaryDir counterDir;
};

fake::Mib tableWithShortColumn()
{
    fake::Mib mib;
    for (uint32_t row : {1u, 2u, 3u})
        mib.add(Varbind::makeString(kColumn2 + Oid{row}, QByteArray("port") + QByteArray::number(row)));
    for (uint32_t row : {1u, 2u})
        mib.add(Varbind::makeInteger(kColumn3 + Oid{row}, 10 * row));
    mib.add(Varbind::makeInteger(fake::parseOid("1.3.6.1.3.78.1"), 5)); // something after the table
    return mib;
}

TEST_F(RequestOnFakeAgent, ShorterColumnReadsNotDoneWhileTheOtherGoesOn)
{
    const fake::Mib mib = tableWithShortColumn();
    fake::Agent agent([&](const fake::Request &r) { return mib.answer(r, false); });
    auto r = request(agent, kTable, MVT_FMV, 1);
    const QList<QStringList> rows = walk(*r);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], QStringList({"1", "port1", "10"}));
    EXPECT_EQ(rows[1], QStringList({"2", "port2", "20"}));
    EXPECT_EQ(rows[2], QStringList({"3", "port3", "(NOTDONE)"}));
    // The ended column waits at the current row index.
    EXPECT_EQ(r->varList().item(2).instanceOid, "1.3.6.1.3.77.1.1.3.3");
}

TEST_F(RequestOnFakeAgent, ShorterColumnAsynchronously)
{
    const fake::Mib mib = tableWithShortColumn();
    fake::Agent agent([&](const fake::Request &r) { return mib.answer(r, false); });
    auto r = request(agent, kTable, MVT_UMV, 1);
    QList<QStringList> rows;
    QxSNMPError last;
    bool done = false;
    std::function<void(void *, const QxSNMPError &, QxSNMPVarList &)> handler;
    handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &list) {
        last = e;
        if (e.code != 0 || e.endOfData || rows.size() > 10) {
            done = true;
            return;
        }
        rows << values(list);
        r->readRowAsync(handler, nullptr, false);
    };
    r->readRowAsync(handler, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; }, 5000));
    EXPECT_EQ(last.code, 0);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2][2], "(NOTDONE)");
}

// A table that lacks cells (Name has no row 2 or 5, Count no row 1 or 4) and
// is the last thing the agent holds: each row reads as the agent holds it,
// whatever way it is walked, and no instance is asked for twice. An SNMPv1
// agent ends Count, the last column, with noSuchName for it alone.
TEST_F(RequestOnFakeAgent, TableWithHolesReadsRowByRow)
{
    fake::Mib mib;
    for (uint32_t row : {1u, 3u, 4u})
        mib.add(Varbind::makeString(kColumn2 + Oid{row}, QByteArray("port") + QByteArray::number(row)));
    for (uint32_t row : {2u, 3u, 5u})
        mib.add(Varbind::makeInteger(kColumn3 + Oid{row}, 10 * row));
    std::mutex mutex;
    std::vector<Oid> asked;
    fake::Agent agent([&](const fake::Request &r) {
        const std::lock_guard lock(mutex);
        if (r.pduType == 0xA1)
            for (const Varbind &vb : r.varbinds)
                asked.push_back(vb.oid);
        return mib.answer(r, r.version == 0);
    });
    const QList<QStringList> expected{{"1", "port1", "(NULL)"},
                                      {"2", "(NULL)", "20"},
                                      {"3", "port3", "30"},
                                      {"4", "port4", "(NULL)"},
                                      {"5", "(NOTDONE)", "50"}};
    for (const auto version : {QxSNMPSecurity::V1, QxSNMPSecurity::V2c}) {
        defaultSecurity.version = version;
        for (int repetitions : {0, 1, QxBulkWalk::Adaptive}) {
            asked.clear();
            auto r = request(agent, kTable, MVT_FMV, 1);
            r->maxRepetitions = repetitions;
            EXPECT_EQ(walk(*r), expected) << version << " " << repetitions;
            std::sort(asked.begin(), asked.end());
            EXPECT_EQ(std::adjacent_find(asked.begin(), asked.end()), asked.end()) << version << " " << repetitions;
        }
    }

    QList<QStringList> rows;
    bool done = false;
    auto r = request(agent, kTable, MVT_UMV, 1);
    QxSNMPRequest::CompletionHandler handler = [&](void *, const QxSNMPError &e, QxSNMPVarList &list) {
        if (e.code != 0 || e.endOfData) {
            EXPECT_EQ(e.code, 0);
            done = true;
            return;
        }
        rows << values(list);
        r->readRowAsync(handler, nullptr, false);
    };
    defaultSecurity.version = QxSNMPSecurity::V1;
    r->readRowAsync(handler, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; }, 5000));
    EXPECT_EQ(rows, expected);
}

TEST_F(RequestOnFakeAgent, AgentWithoutProgressCannotMakeAWalkEndless)
{
    // Every GET-NEXT is answered with the first row again.
    fake::Agent agent([](const fake::Request &r) {
        fake::Response out;
        for (const Varbind &vb : r.varbinds) {
            const Oid column(vb.oid.begin(), vb.oid.begin() + 9);
            out.varbinds.push_back(Varbind::makeInteger(column + Oid{1}, 7));
        }
        return out;
    });
    auto r = request(agent, kTable, MVT_FMV, 1);
    EXPECT_EQ(walk(*r).size(), 1);
}

TEST_F(RequestOnFakeAgent, AgentGoingBackwardsCannotMakeAWalkEndless)
{
    // Row 5, then row 3, then row 5 again, ...
    fake::Agent agent([](const fake::Request &r) {
        fake::Response out;
        for (const Varbind &vb : r.varbinds) {
            const Oid column(vb.oid.begin(), vb.oid.begin() + 9);
            const uint32_t next = vb.oid.size() > 9 && vb.oid[9] == 5 ? 3 : 5;
            out.varbinds.push_back(Varbind::makeInteger(column + Oid{next}, next));
        }
        return out;
    });
    auto r = request(agent, kTable, MVT_FMV, 1);
    const QList<QStringList> rows = walk(*r);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0], "5");
}

TEST_F(RequestOnFakeAgent, ReplyWithFewerBindingsChangesNothing)
{
    fake::Agent agent([](const fake::Request &r) {
        fake::Response out;
        out.varbinds.push_back(Varbind::makeString(r.varbinds[0].oid + Oid{1}, "only one"));
        return out;
    });
    auto r = request(agent, kTable, MVT_FMV, 1);
    r->varList().item(1).valueText = "before";
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -411);
    EXPECT_EQ(r->varList().item(1).valueText, "before");

    QxSNMPError reply;
    bool done = false;
    r->readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr, true);
    ASSERT_TRUE(waitUntil([&] { return done; }, 3000));
    EXPECT_EQ(reply.code, -411);
    EXPECT_TRUE(reply.endOfData);
    EXPECT_EQ(r->varList().item(1).valueText, "before");
}

TEST_F(RequestOnFakeAgent, ShortIndexFromTheAgentRaisesKeyCountAndKeepsTheList)
{
    constexpr QxSNMPVarItem named[] = {
        {"1.3.6.1.3.77.1.1.1", "Name", QxSyntax::displaystr, QxAccess::notaccess},
        {"1.3.6.1.3.77.1.1.2", "Value", QxSyntax::integer, QxAccess::readonly},
        {},
    };
    // The length prefix promises five characters, the instance holds two.
    fake::Agent agent([](const fake::Request &r) {
        fake::Response out;
        out.varbinds.push_back(Varbind::makeInteger(kColumn2 + Oid{5, 97, 98}, 1));
        (void)r;
        return out;
    });
    auto r = request(agent, named, MVT_UMV, 1);
    r->varList().item(1).valueText = "before";
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -514);
    EXPECT_EQ(r->varList().item(1).valueText, "before");
    EXPECT_TRUE(r->varList().item(1).instanceOid.isEmpty());
}

TEST_F(RequestOnFakeAgent, WrongTypesAndExceptionsBecomeValueTexts)
{
    constexpr QxSNMPVarItem scalars[] = {
        {"1.3.6.1.3.77.2.1", "Number", QxSyntax::integer, QxAccess::readonly},
        {"1.3.6.1.3.77.2.2", "Text", QxSyntax::displaystr, QxAccess::readonly},
        {"1.3.6.1.3.77.2.3", "Clock", QxSyntax::datetime, QxAccess::readonly},
        {"1.3.6.1.3.77.2.4", "Id", QxSyntax::objectid, QxAccess::readonly},
        {"1.3.6.1.3.77.2.5", "Long", QxSyntax::displaystr, QxAccess::readonly},
        {"1.3.6.1.3.77.2.6", "Mac", QxSyntax::macaddress, QxAccess::readonly},
        {"1.3.6.1.3.77.2.7", "Real", QxSyntax::double_, QxAccess::readonly},
        {},
    };
    fake::Agent agent([](const fake::Request &r) {
        fake::Response out;
        out.varbinds = {
            Varbind::makeString(r.varbinds[0].oid, "12"),
            Varbind::makeInteger(r.varbinds[1].oid, 3),
            Varbind::makeString(r.varbinds[2].oid, QByteArray::fromHex("07d80c0f0a")),
            Varbind{r.varbinds[3].oid, 0x81, 0, {}, {}},
            Varbind::makeString(r.varbinds[4].oid, QByteArray(1200, 'x')),
            Varbind::makeString(r.varbinds[5].oid, QByteArray::fromHex("0011")),
            Varbind::makeString(r.varbinds[6].oid, QByteArray::fromHex("00")),
        };
        return out;
    });
    auto r = request(agent, scalars, SVT_SV, 0);
    EXPECT_FALSE(r->readRow(true));
    EXPECT_EQ(values(r->varList()),
              QStringList({"(NULL)", "", "(NULL)", "(NULL)", QString(1200, 'x'), "0011", "(NULL)"}));
}

TEST_F(RequestOnFakeAgent, RefusedSetLeavesTheValues)
{
    constexpr QxSNMPVarItem writable[] = {
        {"1.3.6.1.3.77.3.1", "Mode", QxSyntax::integer, QxAccess::readwrite},
        {"1.3.6.1.3.77.3.2", "Name", QxSyntax::displaystr, QxAccess::readwrite},
        {},
    };
    fake::Agent agent([](const fake::Request &r) {
        fake::Response out;
        out.errorStatus = 10; // wrongValue
        out.errorIndex = 1;
        out.varbinds = r.varbinds;
        return out;
    });
    auto r = request(agent, writable, SVT_SV, 0);
    r->varList().item(0).valueText = "1";
    r->varList().item(1).valueText = "name";
    try {
        r->writeRow("0", {"99"});
        FAIL();
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -110);
        EXPECT_EQ(e.text(), "(SNMP) Cannot create/set variable, Wrong Value! (Mode)");
        EXPECT_EQ(e.variable(), 0);
    }
    EXPECT_EQ(values(r->varList()), QStringList({"1", "name"}));
    EXPECT_FALSE(r->varList().item(1).has(QxAccess::invalid));
}

TEST_F(RequestOnFakeAgent, TableWriteSendsWritableColumnsAtTheRowIndex)
{
    constexpr QxSNMPVarItem rows[] = {
        {"1.3.6.1.3.77.4.1", "Address", QxSyntax::ipaddress, QxAccess::notaccess},
        {"1.3.6.1.3.77.4.2", "Name", QxSyntax::displaystr, QxAccess::notaccess | QxAccess::implied},
        {"1.3.6.1.3.77.4.3", "Read only", QxSyntax::integer, QxAccess::readonly},
        {"1.3.6.1.3.77.4.4", "Status", QxSyntax::integer, QxAccess::readwrite},
        {},
    };
    std::vector<Oid> seen;
    std::atomic<bool> answered{false};
    fake::Agent agent([&](const fake::Request &r) {
        if (!answered) {
            for (const Varbind &vb : r.varbinds)
                seen.push_back(vb.oid);
            answered = true;
        }
        fake::Response out;
        out.varbinds = r.varbinds;
        return out;
    });
    auto r = request(agent, rows, MVT_UMV, 2);
    r->varList().item(0).valueText = "10.0.0.1";
    r->varList().item(1).valueText = "ab";
    r->varList().item(3).valueText = "4";
    r->writeRow();
    ASSERT_TRUE(answered);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], fake::parseOid("1.3.6.1.3.77.4.4.10.0.0.1.97.98"));
}

TEST_F(RequestOnFakeAgent, DroppedRequestTimesOut)
{
    fake::Agent agent([](const fake::Request &) {
        fake::Response out;
        out.drop = true;
        return out;
    });
    auto r = request(agent, kTable, MVT_FMV, 1);
    r->timeout = 10;
    r->retries = 1;
    EXPECT_EQ(codeOf([&] { r->readRow(true); }), -405);
    EXPECT_EQ(agent.requests(), 2);
}

} // namespace
