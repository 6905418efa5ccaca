// The request controller against net-snmp's snmpd on a loopback port of its own
// (writes here must not change the agents other tests share).
#include "snmp/SnmpdAgent.h"

#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxStatusLine.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include "common/TestSupport.h"

namespace {

using TestSupport::waitUntil;

constexpr QxSNMPVarItem kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.1.2", "Object ID", QxSyntax::objectid, QxAccess::readonly},
    {"1.3.6.1.2.1.1.4", "Contact", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.1.6", "Location", QxSyntax::displaystr, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kEmptyTable[] = {
    {"1.3.6.1.2.1.999.1.1", "Key", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.999.1.2", "Value", QxSyntax::integer, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {},
};

constexpr QxOptionPair kRowStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
    {0, nullptr}};
const QxOptionList kRowStatus(kRowStatusPairs);

// vacmSecurityToGroupTable: security model and name are the row index.
constexpr QxSNMPVarItem kGroups[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Model", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Name", QxSyntax::displaystr, QxAccess::notaccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.6.3.16.1.2.1.5", "Status", QxSyntax::integer, QxAccess::writeonly, &kRowStatus},
    {},
};

// Records its hooks; rowRead may be told to raise.
class Probe : public QxSNMPRequest2Controls
{
public:
    Probe(QWidget *owner, QStringList &log) : QxSNMPRequest2Controls(owner), m_log(log) {}

    void beforeRead() override { m_log << "beforeRead"; }
    void beforeWrite() override { m_log << "beforeWrite"; }
    void rowRead() override
    {
        m_log << "rowRead";
        if (raiseInRow)
            throw QxSNMPException(-518, "row refused");
    }
    void collectValues() override { m_log << "collectValues"; }
    void readFailed(const QxSNMPError &e) override
    {
        m_log << "readFailed";
        QxSNMPRequest2Controls::readFailed(e);
    }
    void writeFailed(const QxSNMPError &e) override
    {
        m_log << "writeFailed";
        QxSNMPRequest2Controls::writeFailed(e);
    }
    void afterRead() override { m_log << "afterRead"; }
    void afterWrite() override { m_log << "afterWrite"; }

    bool raiseInRow = false;

private:
    QStringList &m_log;
};

class ControllerOnSnmpd : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { agent = new SnmpdAgent; }
    static void TearDownTestSuite()
    {
        delete agent;
        agent = nullptr;
    }

    void SetUp() override
    {
        if (!agent->running())
            GTEST_SKIP() << "snmpd could not be started";
        initializeSession(counterDir.path());
        agent->useAsDefaultAgent();
    }

    template <typename T>
    std::unique_ptr<T> make(const QxSNMPVarItem *items, quint8 kind, int keys = 0)
    {
        std::unique_ptr<T> c;
        if constexpr (std::is_same_v<T, Probe>)
            c = std::make_unique<Probe>(&window, log);
        else
            c = std::make_unique<T>(&window);
        c->varList() = QxSNMPVarList(items, kind, keys);
        c->setMessagePresenter([this](QWidget *owner, const QString &text) {
            EXPECT_EQ(owner, &window);
            boxes << text;
        });
        QObject::connect(c.get(), &QxSNMPRequest2Controls::readDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { reads << e; });
        QObject::connect(c.get(), &QxSNMPRequest2Controls::writeDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { writes << e; });
        return c;
    }

    // Points the controller at a port where nothing answers.
    static void silence(QxSNMPRequest2Controls &c)
    {
        c.request().device.port = TestAgents::freeUdpPort();
        c.request().timeout = 20;
        c.request().retries = 0;
    }

    QString lastLine() const { return memo.toPlainText().split('\n').last(); }

    static SnmpdAgent *agent;
    QTemporaryDir counterDir;
    QWidget window;
    QPlainTextEdit memo;
    QStringList log;
    QStringList boxes;
    QList<QxSNMPError> reads;
    QList<QxSNMPError> writes;
};

SnmpdAgent *ControllerOnSnmpd::agent = nullptr;

TEST_F(ControllerOnSnmpd, SynchronousScalarRefreshReadsOnceAndReportsOk)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    c->varList().setListName("System");
    c->setStatusTarget(&memo);
    c->setAsynchronous(false);
    c->refresh();
    EXPECT_EQ(log, QStringList({"beforeRead", "rowRead", "afterRead"}));
    EXPECT_EQ(c->rowCount(), 1);
    EXPECT_FALSE(c->busy());
    EXPECT_TRUE(c->varList().item(0).valueText.startsWith("Linux"));
    EXPECT_TRUE(QRegularExpression("^Get: Ok Request:System\\. Receive at \\d\\d:\\d\\d:\\d\\d").match(lastLine()).hasMatch())
        << lastLine().toStdString();
    EXPECT_TRUE(reads.isEmpty()); // the events belong to asynchronous operations
}

TEST_F(ControllerOnSnmpd, StatusGoesToABarOrAPanel)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    c->setAsynchronous(false);
    QStatusBar bar;
    c->setStatusTarget(&bar);
    c->refresh();
    EXPECT_TRUE(bar.currentMessage().startsWith("Get: Ok. Receive at ")) << bar.currentMessage().toStdString();
    QLabel panel;
    c->setStatusTarget(&panel);
    c->showStatus("Ok");
    EXPECT_TRUE(panel.text().startsWith("Get: Ok. Receive at "));
    EXPECT_EQ(c->statusTargetKind(), QxSNMPRequest2Controls::StatusTarget::StatusPanel);
}

TEST_F(ControllerOnSnmpd, AsynchronousRefreshOfAnEmptyTable)
{
    auto c = make<Probe>(kEmptyTable, MVT_FMV);
    c->setStatusTarget(&memo);
    c->refresh();
    EXPECT_TRUE(c->busy());
    ASSERT_TRUE(waitUntil([&] { return !reads.isEmpty(); }, 5000));
    EXPECT_EQ(reads.size(), 1);
    EXPECT_EQ(reads[0].code, 0);
    EXPECT_FALSE(c->busy());
    EXPECT_EQ(c->rowCount(), 0);
    EXPECT_EQ(log, QStringList({"beforeRead", "afterRead"}));
    EXPECT_TRUE(lastLine().startsWith("Get: Ok. Receive at ")) << lastLine().toStdString();
}

TEST_F(ControllerOnSnmpd, AsynchronousWalkFillsTheListViewAndSignalsWithoutAStatusTarget)
{
    auto c = make<QxSNMPRequest2Edits>(kIfTable, MVT_FMV, 1);
    QxListView view(&window);
    c->bindListView(&view);
    c->refresh();
    ASSERT_TRUE(waitUntil([&] { return !reads.isEmpty(); }, 5000));
    EXPECT_EQ(reads.size(), 1);
    EXPECT_EQ(reads[0].code, 0);
    EXPECT_GE(c->rowCount(), 1);
    EXPECT_EQ(view.topLevelItemCount(), c->rowCount());
    EXPECT_EQ(view.topLevelItem(0)->text(0), "1");
    EXPECT_EQ(view.topLevelItem(0)->text(1), "lo");
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ControllerOnSnmpd, RowConditionsFilterTheRowsOfAWalk)
{
    auto c = make<Probe>(kIfTable, MVT_FMV, 1);
    c->setAsynchronous(false);
    c->refresh();
    const int all = c->rowCount();
    ASSERT_GE(all, 1);

    c->request().rowCondition = "$1 <> \"lo\"";
    c->refresh();
    EXPECT_EQ(c->rowCount(), all - 1);

    // A linked request's values take part with the marker "#".
    QxSNMPRequest linked;
    linked.varList().append("1.3.6.1.2.1.2.2.1.2", "Wanted", QxSyntax::displaystr, QxAccess::readonly);
    linked.varList().item(0).valueText = "lo";
    c->request().rowCondition.clear();
    c->setLinkedCondition(&linked, "$1 = #0");
    c->refresh();
    EXPECT_EQ(c->rowCount(), 1);
    c->setLinkedCondition(nullptr, QString());
}

TEST_F(ControllerOnSnmpd, TimeOutInAnAsynchronousRefreshIsShownAndStillSignalled)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    c->setStatusTarget(&memo);
    silence(*c);
    c->refresh();
    ASSERT_TRUE(waitUntil([&] { return !reads.isEmpty(); }, 5000));
    EXPECT_EQ(reads[0].code, -405);
    EXPECT_FALSE(c->busy());
    // Nothing was received: the line says there was no answer, and shows as a failure.
    EXPECT_TRUE(lastLine().startsWith("Get: (SNMPClass) SNMP request timed out!. No answer at "))
        << lastLine().toStdString();
    EXPECT_TRUE(QxStatusLine::showsFailure(&memo));
    EXPECT_TRUE(log.contains("readFailed"));
    EXPECT_FALSE(log.contains("afterRead"));

    // Without a status target: a message box, and the event all the same.
    c->clearStatusTarget();
    c->refresh();
    ASSERT_TRUE(waitUntil([&] { return reads.size() == 2; }, 5000));
    EXPECT_EQ(reads[1].code, -405);
    EXPECT_EQ(boxes, QStringList({"(SNMPClass) SNMP request timed out!"}));
}

TEST_F(ControllerOnSnmpd, SynchronousFailureRaisesAndLeavesTheStatusAlone)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    c->setStatusTarget(&memo);
    c->setAsynchronous(false);
    silence(*c);
    try {
        c->refresh();
        ADD_FAILURE() << "no time-out";
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -405);
        EXPECT_EQ(e.text(), "(SNMPClass) SNMP request timed out!");
    }
    EXPECT_FALSE(c->busy());
    EXPECT_TRUE(memo.toPlainText().isEmpty());
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(log, QStringList({"beforeRead"}));
}

TEST_F(ControllerOnSnmpd, AHookRaisingInACompletionEndsTheRefreshWithItsEvent)
{
    auto c = make<Probe>(kIfTable, MVT_FMV, 1);
    c->raiseInRow = true;
    c->refresh();
    ASSERT_TRUE(waitUntil([&] { return !reads.isEmpty(); }, 5000));
    EXPECT_EQ(reads.size(), 1);
    EXPECT_EQ(reads[0].code, -518);
    EXPECT_FALSE(c->busy());
    EXPECT_EQ(boxes, QStringList({"row refused"}));
    EXPECT_EQ(log.count("rowRead"), 1); // the walk stopped there
}

TEST_F(ControllerOnSnmpd, RefreshOfAStoppedRequestSignalsAtOnce)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    c->request().setAlive(false);
    c->refresh();
    ASSERT_EQ(reads.size(), 1);
    EXPECT_NE(reads[0].code, 0);
    EXPECT_FALSE(c->busy());
    c->apply(true, false);
    ASSERT_EQ(writes.size(), 1);
    EXPECT_NE(writes[0].code, 0);
}

TEST_F(ControllerOnSnmpd, DestroyingWhileAReplyIsOutstandingRunsNoHook)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    silence(*c);
    c->refresh();
    EXPECT_TRUE(c->busy());
    c.reset(); // waits for the time-out to come in
    EXPECT_EQ(log, QStringList({"beforeRead"}));
    EXPECT_TRUE(reads.isEmpty());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ControllerOnSnmpd, AnEventHandlerMayDestroyTheController)
{
    auto c = make<QxSNMPRequest2Edits>(kIfTable, MVT_FMV, 1);
    QxListView view(&window);
    c->bindListView(&view);
    bool destroyed = false;
    QObject::connect(c.get(), &QxSNMPRequest2Controls::readDone, [&] {
        c.reset(); // a window closing itself once its data is in
        destroyed = true;
    });
    c->refresh();
    ASSERT_TRUE(waitUntil([&] { return destroyed; }, 5000));
    // The request goes once its completion has returned.
    waitUntil([] { return false; }, 100);
    EXPECT_GE(view.topLevelItemCount(), 1);
}

TEST_F(ControllerOnSnmpd, ScalarApplyWritesAndDoesNotReadAgain)
{
    auto c = make<QxSNMPRequest2Edits>(kSystem, SVT_SV);
    c->setStatusTarget(&memo);
    c->setAsynchronous(false);
    QLineEdit contact(&window), location(&window);
    c->bindFormatted(2, "%s{l64}", &contact);
    c->bindFormatted(3, "%s{l64}", &location);
    c->refresh();
    contact.setText("noc@example.net");
    location.setText("rack 7");
    c->apply();
    EXPECT_TRUE(lastLine().startsWith("Set: Ok. Receive at ")) << lastLine().toStdString();
    EXPECT_EQ(c->templateIndex(), 1);

    contact.clear();
    c->refresh();
    EXPECT_EQ(contact.text(), "noc@example.net");
    EXPECT_EQ(location.text(), "rack 7");
}

TEST_F(ControllerOnSnmpd, ApplyRunsItsHooksInOrder)
{
    auto c = make<Probe>(kSystem, SVT_SV);
    c->setAsynchronous(false);
    c->refresh();
    log.clear();
    c->apply(true, true); // a scalar list is not read again
    EXPECT_EQ(log, QStringList({"beforeWrite", "collectValues", "afterWrite"}));
    EXPECT_FALSE(c->busy());

    log.clear();
    c->setAsynchronous(true);
    c->apply(true, false);
    EXPECT_TRUE(c->busy());
    ASSERT_TRUE(waitUntil([&] { return !writes.isEmpty(); }, 5000));
    EXPECT_EQ(writes[0].code, 0);
    EXPECT_EQ(log, QStringList({"beforeWrite", "afterWrite"}));
    EXPECT_TRUE(reads.isEmpty());
    EXPECT_FALSE(c->busy());
}

TEST_F(ControllerOnSnmpd, TableApplyWritesThenWalksAgain)
{
    auto c = make<QxSNMPRequest2Edits>(kGroups, MVT_UMV, 2);
    c->setStatusTarget(&memo);
    QxListView view(&window);
    c->bindListView(&view);
    c->refresh();
    ASSERT_TRUE(waitUntil([&] { return reads.size() == 1; }, 5000));
    const int before = c->rowCount();
    ASSERT_GE(before, 1);

    QxSNMPVarList &list = c->varList();
    list.item(0).valueText = "3";
    list.item(1).valueText = "carol";
    list.item(2).valueText = "carolgrp";
    list.item(3).valueText = "createAndGo";
    c->apply(true, false);
    ASSERT_TRUE(waitUntil([&] { return writes.size() == 1 && reads.size() == 2; }, 5000));
    EXPECT_EQ(writes[0].code, 0);
    EXPECT_EQ(reads[1].code, 0);
    EXPECT_EQ(c->rowCount(), before + 1);
    EXPECT_EQ(view.topLevelItemCount(), before + 1);
    const QStringList lines = memo.toPlainText().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[lines.size() - 2].startsWith("Set: Ok.")) << lines[lines.size() - 2].toStdString();
    EXPECT_TRUE(lines.last().startsWith("Get: Ok."));
    bool found = false;
    for (int r = 0; r < view.topLevelItemCount(); ++r)
        found = found || view.topLevelItem(r)->text(view.columnCount() - 1) == "carolgrp";
    EXPECT_TRUE(found);
}

TEST_F(ControllerOnSnmpd, RefusedSetLeavesTheValuesAsTheyWere)
{
    auto c = make<QxSNMPRequest2Edits>(kGroups, MVT_UMV, 2);
    c->setAsynchronous(false);
    QLineEdit model(&window), name(&window), group(&window), status(&window);
    c->bindFormatted(0, "%i", &model);
    c->bindFormatted(1, "%s", &name);
    c->bindFormatted(2, "%s", &group);
    c->bindFormatted(3, "%s", &status);
    QxSNMPVarList &list = c->varList();
    list.item(0).valueText = "3";
    list.item(1).valueText = "dave";
    list.item(2).valueText = "davegrp";
    list.item(3).valueText = "createAndGo";
    c->showValues();
    c->apply(false, true);

    status.setText("9"); // not a row status
    group.setText("othergrp");
    try {
        c->apply(false, true);
        ADD_FAILURE() << "the agent took a row status of 9";
    } catch (const QxSNMPException &e) {
        // The refusal names the variable the agent refused.
        EXPECT_EQ(e.code(), -110);
        EXPECT_EQ(e.text(), "(SNMP) Cannot create/set variable, Wrong Value! (Status)");
        EXPECT_EQ(e.variable(), 3);
    }
    EXPECT_FALSE(c->busy());
    EXPECT_EQ(list.item(2).valueText, "davegrp");
    EXPECT_EQ(list.item(3).valueText, "createAndGo");

    // The same refusal in an asynchronous apply reaches writeFailed and the event.
    c->setStatusTarget(&memo);
    c->setAsynchronous(true);
    c->apply(false, true);
    ASSERT_TRUE(waitUntil([&] { return !writes.isEmpty(); }, 5000));
    EXPECT_EQ(writes[0].code, -110);
    EXPECT_TRUE(lastLine().startsWith("Set: (SNMP) Cannot create/set variable, Wrong Value! (Status). "))
        << lastLine().toStdString();
    EXPECT_EQ(writes[0].variable, 3);
    EXPECT_EQ(list.item(2).valueText, "davegrp");
    EXPECT_TRUE(reads.isEmpty()); // a failed write is never followed by a refresh
}

} // namespace
