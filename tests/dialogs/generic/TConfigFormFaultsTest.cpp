// The generic dialog against a switch that misbehaves: replies that never come,
// values of the wrong type or far too long, a table of 100000 rows. Each test
// has a simulator of its own, told what to do wrong through its fault subtree.
#include "common/OnPrivateSimulator.h"
#include "common/MessageRecorder.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

using TestSupport::waitUntil;

const char kDropPercent[] = "1.3.6.1.3.2400.1.1";
const char kValueMode[] = "1.3.6.1.3.2400.1.11";
const char kNextMode[] = "1.3.6.1.3.2400.1.4";
constexpr int NextRepeats = 2;
constexpr int NextGoesBack = 3;
constexpr int ValuesOfAnotherType = 2;
constexpr int ValuesOverlong = 3;

#if defined(__SANITIZE_ADDRESS__)
// Under the sanitizers every row costs many times more: the same walk, shorter.
constexpr int kHugeRows = 20000;
#else
constexpr int kHugeRows = 100000;
#endif

constexpr QxSNMPVarItem kSettings[] = {
    {"EnterpriseBase.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.21", "Interval", QxSyntax::integer, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.1.2", "Object ID", QxSyntax::objectid, QxAccess::readonly},
    {"1.3.6.1.2.1.1.3", "Up Time", QxSyntax::timeticks, QxAccess::readonly},
    {"1.3.6.1.2.1.1.5", "Name", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.1.6", "Location", QxSyntax::octetstr, QxAccess::readwrite},
    {"1.3.6.1.2.1.1.7", "Services", QxSyntax::integer, QxAccess::readonly},
    {},
};

// Value texts with a fixed layout, made from whatever sysName brings.
constexpr quint32 kFixedLayoutSyntaxes[] = {QxSyntax::datetime,    QxSyntax::bcdatetime, QxSyntax::double_,
                                            QxSyntax::macaddress,  QxSyntax::ipv6address, QxSyntax::ipaddress,
                                            QxSyntax::uint8,       QxSyntax::int16,       QxSyntax::counter64};

constexpr QxSNMPVarItem kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", QxSyntax::guage, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.6", "MAC Address", QxSyntax::macaddress, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", QxSyntax::integer, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kFdb[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", QxSyntax::uinteger, QxAccess::notaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "MAC Address", QxSyntax::macaddress, QxAccess::notaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", QxSyntax::integer, QxAccess::readonly},
    {},
};

qint64 residentBytes()
{
    FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    long size = 0;
    long resident = 0;
    const bool read = std::fscanf(statm, "%ld %ld", &size, &resident) == 2;
    std::fclose(statm);
    return read ? qint64(resident) * sysconf(_SC_PAGESIZE) : 0;
}

class FaultyAgent : public OnPrivateSimulator
{
protected:
    explicit FaultyAgent(const QStringList &simulatorArguments = {}) : OnPrivateSimulator(simulatorArguments) {}


    // One fault setting, written with a request of its own.
    void fault(const char *oid, int value)
    {
        QxSNMPRequest r;
        r.varList().append(oid, "fault", QxSyntax::integer, QxAccess::readwrite);
        r.varList().item(0).valueText = QString::number(value);
        r.writeRow();
    }

    // The dialog with its controller; every read's outcome lands in reads.
    template <typename Page, typename Create>
    Page *build(TConfigForm &form, const QxSNMPVarItem *items, int type, int keys, Create create)
    {
        auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
        c = controller.get();
        c->varList() = QxSNMPVarList(items, type, keys);
        QObject::connect(c, &QxSNMPRequest2Controls::readDone,
                         [this](QxSNMPRequest2Controls *from, const QxSNMPError &e) {
                             reads << e;
                             readers << from;
                         });
        form.setMessages(boxes.messages());
        return create(std::move(controller));
    }

    bool nextRead(int ms = 20000)
    {
        const qsizetype before = reads.size();
        return waitUntil([&] { return reads.size() > before; }, ms);
    }

    QxSNMPRequest2Edits *c = nullptr;
    QList<QxSNMPError> reads;
    QList<QxSNMPRequest2Controls *> readers;
    MessageRecorder boxes;
};

TEST_F(FaultyAgent, DroppedRepliesTimeOutReadsAndWritesAndKeepWhatWasTyped)
{
    TConfigForm form(nullptr);
    auto *page = build<TSNMPEditorPanel>(form, kSettings, SVT_SV, 0, [&](auto controller) {
        return form.CreateEditorPanel(std::move(controller));
    });
    c->request().timeout = 30;
    c->request().retries = 1;
    form.show();
    ASSERT_TRUE(nextRead());
    ASSERT_EQ(reads.last().code, 0) << reads.last().message.toStdString();
    TEditsPanel *edits = page->editsPanel();
    edits->edit(0)->setText("42");
    edits->edit(1)->setText("43");
    edits->checkBox(0)->click();
    edits->checkBox(1)->click();

    fault(kDropPercent, 100);
    // The window keeps handling events while the refresh waits for the switch.
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    page->RefreshBtnClick();
    ASSERT_TRUE(nextRead());
    ticker.stop();
    EXPECT_EQ(reads.last().message, "(SNMPClass) SNMP request timed out!");
    EXPECT_GT(ticks, 5);
    EXPECT_TRUE(page->msgPanel()->memo()->toPlainText().contains("(SNMPClass) SNMP request timed out!"));
    EXPECT_EQ(edits->edit(0)->text(), "42");
    EXPECT_EQ(edits->edit(1)->text(), "43");

    page->ctrlBtnPanel()->setCheckedButton()->click();
    const QStringList status = page->msgPanel()->memo()->toPlainText().split('\n');
    EXPECT_TRUE(status.last().contains("(SNMPClass) SNMP request timed out!")) << status.last().toStdString();
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('|').toStdString();
    EXPECT_EQ(edits->edit(0)->text(), "42");
    EXPECT_EQ(edits->edit(1)->text(), "43");
    EXPECT_TRUE(edits->checkBox(0)->isChecked());
    EXPECT_TRUE(edits->checkBox(1)->isChecked());
    // The dialog still works: closing it ends it.
    page->ctrlBtnPanel()->closeButton()->click();
    EXPECT_FALSE(form.isVisible());
}

// Every value of the reply has the wrong type, then every octet string is
// 4000 octets long: each refresh ends, shown or reported, and the dialog lives.
TEST_F(FaultyAgent, WrongTypesAndOverlongStringsAreShownOrReported)
{
    TConfigForm scalarForm(nullptr);
    auto *scalars = build<TSNMPEditorPanel>(scalarForm, kSystem, SVT_SV, 0, [&](auto controller) {
        return scalarForm.CreateEditorPanel(std::move(controller));
    });
    QxSNMPRequest2Edits *scalarController = c;
    TConfigForm tableForm(nullptr);
    auto *table = build<TSNMPListViewPanel>(tableForm, kInterfaces, MVT_FMV, 1, [&](auto controller) {
        return tableForm.CreateListViewPanel(std::move(controller), -1, {}, -1, {});
    });
    QxSNMPRequest2Edits *tableController = c;
    scalarForm.show();
    tableForm.show();
    ASSERT_TRUE(waitUntil([&] { return reads.size() == 2 && !tableController->busy(); }));
    const int goodRows = table->listViewPanel()->listView()->topLevelItemCount();
    ASSERT_GT(goodRows, 2);

    for (int mode : {ValuesOfAnotherType, ValuesOverlong}) {
        SCOPED_TRACE(mode);
        fault(kValueMode, mode);
        reads.clear();
        readers.clear();
        scalars->RefreshBtnClick();
        table->RefreshBtnClick();
        ASSERT_TRUE(waitUntil([&] { return reads.size() == 2 && !tableController->busy(); }, 30000));
        for (const QxSNMPError &e : reads)
            if (e.code != 0)
                EXPECT_FALSE(e.message.isEmpty()) << e.code;
        const QxSNMPError scalarRead = reads.at(readers.indexOf(scalarController));
        const QxSNMPError tableRead = reads.at(readers.indexOf(tableController));
        if (mode == ValuesOverlong) {
            // Texts are shown whole, however long.
            EXPECT_EQ(scalarRead.code, 0) << scalarRead.message.toStdString();
            EXPECT_EQ(scalars->editsPanel()->edit(3)->text().size(), 4000);
            EXPECT_TRUE(scalars->editsPanel()->edit(3)->text().startsWith("NX-2400PNX-2400P"));
        }
        const QTreeWidget *list = table->listViewPanel()->listView();
        if (tableRead.code == 0) {
            EXPECT_EQ(list->topLevelItemCount(), goodRows);
            if (mode == ValuesOverlong)
                EXPECT_EQ(list->topLevelItem(0)->text(1).size(), 4000);
        }
        for (quint32 syntax : kFixedLayoutSyntaxes) {
            QxSNMPRequest r;
            r.varList().append("1.3.6.1.2.1.1.5", "Name", syntax, QxAccess::readonly);
            r.varList().setItemType(SVT_SV);
            const int code = TestSupport::codeOf([&] { r.readRow(true); });
            EXPECT_TRUE(code == 0 || code == -511) << syntax << ": " << code;
        }
    }
    fault("1.3.6.1.3.2400.1.9", 2);
    reads.clear();
    table->RefreshBtnClick();
    ASSERT_TRUE(nextRead());
    EXPECT_EQ(reads.last().code, 0);
    EXPECT_EQ(table->listViewPanel()->listView()->topLevelItemCount(), goodRows);
}

TEST_F(FaultyAgent, GetNextThatRepeatsOrGoesBackEndsTheWalk)
{
    TConfigForm form(nullptr);
    auto *table = build<TSNMPListViewPanel>(form, kInterfaces, MVT_FMV, 1, [&](auto controller) {
        return form.CreateListViewPanel(std::move(controller), -1, {}, -1, {});
    });
    const QTreeWidget *list = table->listViewPanel()->listView();
    form.show();
    ASSERT_TRUE(nextRead());
    const int goodRows = list->topLevelItemCount();
    ASSERT_GT(goodRows, 2);
    for (int mode : {NextRepeats, NextGoesBack}) {
        SCOPED_TRACE(mode);
        fault(kNextMode, mode);
        table->RefreshBtnClick();
        ASSERT_TRUE(nextRead());
        EXPECT_FALSE(c->busy());
        EXPECT_LE(list->topLevelItemCount(), 1);
    }
}

class HugeTable : public FaultyAgent
{
protected:
    HugeTable() : FaultyAgent({QStringLiteral("--fdb-entries"), QString::number(kHugeRows)}) {}

    TSNMPListViewPanel *open(TConfigForm &form)
    {
        return build<TSNMPListViewPanel>(form, kFdb, MVT_FMV, 2, [&](auto controller) {
            return form.CreateListViewPanel(std::move(controller), -1, {}, -1, {});
        });
    }
};

TEST_F(HugeTable, WalkedToItsEndWithMemoryGrowingLinearly)
{
    TConfigForm form(nullptr);
    TSNMPListViewPanel *page = open(form);
    // Resident memory when the list first reaches each mark.
    const int marks[] = {kHugeRows / 4, kHugeRows / 2, kHugeRows};
    qint64 resident[3] = {};
    QObject::connect(page->listViewPanel(), &TListViewPanel::rowsChanged, [&](int rows) {
        for (int i = 0; i < 3; ++i)
            if (rows >= marks[i] && resident[i] == 0)
                resident[i] = residentBytes();
    });
    form.show();
    ASSERT_TRUE(nextRead(600000));
    EXPECT_EQ(reads.last().code, 0) << reads.last().message.toStdString();
    EXPECT_EQ(page->listViewPanel()->listView()->topLevelItemCount(), kHugeRows);
    EXPECT_EQ(page->ctrlBtnPanel()->countBox()->text(), QString::number(kHugeRows));
#if !defined(__SANITIZE_ADDRESS__) // its allocator holds on to freed memory for a while
    ASSERT_GT(resident[0], 0);
    // The second half of the rows takes about twice the memory of the quarter
    // before it; anything growing faster than the rows shows as a far larger share.
    const double early = double(resident[1] - resident[0]) / (marks[1] - marks[0]);
    const double late = double(resident[2] - resident[1]) / (marks[2] - marks[1]);
    EXPECT_LT(late, 2.0 * early + 256) << "bytes per row: " << early << " then " << late;
#endif
}

TEST_F(HugeTable, ClosingInTheMiddleOfTheWalk)
{
    auto form = std::make_unique<TConfigForm>(nullptr);
    TSNMPListViewPanel *page = open(*form);
    QTreeWidget *list = page->listViewPanel()->listView();
    form->show();
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() >= 2000; }, 60000));
    ASSERT_TRUE(reads.isEmpty());
    QPointer<QxSNMPRequest2Edits> controller = c;
    QElapsedTimer clock;
    clock.start();
    form->close();
    form.reset();
    const qint64 closing = clock.elapsed();
    EXPECT_LT(closing, 6000);
    EXPECT_TRUE(controller.isNull());
    // The walk's last event came before the controller went; nothing after.
    const qsizetype events = reads.size();
    EXPECT_LE(events, 1);
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(reads.size(), events);
}

} // namespace
