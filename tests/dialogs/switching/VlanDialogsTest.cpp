// The four VLAN dialogs against a simulator of their own (they write): what they
// send is checked in the simulator's state with a second read.
#include "common/MessageRecorder.h"
#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "device/TPortUitForm.h"
#include "dialogs/switching/TVLanCurrentTableForm.h"
#include "dialogs/switching/TVLanGeneralInfoForm.h"
#include "dialogs/switching/TVLanPortInfomationForm.h"
#include "dialogs/switching/TVlanStaticForm.h"
#include "format/QxEditFormat.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using TestSupport::waitUntil;

const QString kStatic = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
const QString kPortVlan = QStringLiteral("1.3.6.1.2.1.17.7.1.4.5.1");
const QString kCurrent = QStringLiteral("1.3.6.1.2.1.17.7.1.4.2.1");

template <typename T>
T *child(QWidget &form, const char *name)
{
    T *found = form.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QTreeWidgetItem *rowWithText(QTreeWidget *list, int column, const QString &text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(column) == text)
            return list->topLevelItem(i);
    return nullptr;
}

// Counts the completions of every binding of a dialog.
struct Completions
{
    QList<int> reads;
    QList<int> writes;

    void watch(QxSNMPRequest2Edits *binding)
    {
        ASSERT_NE(binding, nullptr);
        QObject::connect(binding, &QxSNMPRequest2Controls::readDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { reads << e.code; });
        QObject::connect(binding, &QxSNMPRequest2Controls::writeDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { writes << e.code; });
    }
};

class VlanDialogs : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_sim = std::make_unique<SimulatorProcess>(); }
    static void TearDownTestSuite() { s_sim.reset(); }

    void SetUp() override
    {
        if (!s_sim || !s_sim->running())
            GTEST_SKIP() << "no private simulator";
        initializeSession(m_counterDir.path());
        s_sim->useAsDefaultAgent();
    }

    // The second read: one instance straight from the simulator ("(NULL)" when
    // it has none, "<error>" when the read fails).
    static QString read(const QString &oid, quint32 syntax = QxSyntax::integer)
    {
        QxSNMPRequest r;
        r.varList().append(oid, "v", syntax, QxAccess::readonly);
        r.varList().setItemType(MVT_SV);
        try {
            r.readRow(true);
        } catch (const QxSNMPException &) {
            return QStringLiteral("<error>");
        }
        return r.varList().item(0).valueText;
    }

    static void write(const QString &oid, const QString &value, quint32 syntax = QxSyntax::integer)
    {
        QxSNMPRequest r;
        r.varList().append(oid, "v", syntax, QxAccess::readwrite);
        r.varList().setItemType(MVT_SV);
        r.varList().item(0).valueText = value;
        try {
            r.writeRow();
        } catch (const QxSNMPException &) {
        }
    }

    static std::unique_ptr<SimulatorProcess> s_sim;
    QTemporaryDir m_counterDir;
    MessageRecorder boxes;
};

std::unique_ptr<SimulatorProcess> VlanDialogs::s_sim;

TEST_F(VlanDialogs, BasicConfigureReadsTheScalarsAndWritesTheGvrpSwitch)
{
    TVLanGeneralInfoForm form(nullptr);
    form.setMessages(boxes.messages());
    EXPECT_EQ(form.windowTitle(), "802.1Q Basic Configure");
    Completions done;
    done.watch(form.scalarBinding());
    ASSERT_TRUE(waitUntil([&] { return !done.reads.isEmpty(); }));
    EXPECT_EQ(done.reads, QList<int>{0});
    EXPECT_EQ(child<QLabel>(form, "VlanVersionNumber")->text(), "1");
    EXPECT_EQ(child<QLabel>(form, "MaxVlanId")->text(), "4094");
    EXPECT_EQ(child<QLabel>(form, "MaxSupportedVlans")->text(), "256");
    EXPECT_EQ(child<QLabel>(form, "CurrentNumOfVlans")->text(), read("1.3.6.1.2.1.17.7.1.1.4.0", QxSyntax::guage));
    QComboBox *gvrp = child<QComboBox>(form, "GvrpStatus");
    EXPECT_EQ(gvrp->currentText(), "disabled");
    EXPECT_TRUE(form.Memo1()->toPlainText().contains("Ok"));

    gvrp->setCurrentIndex(gvrp->findText("enabled"));
    child<QPushButton>(form, "btnSet")->click();
    ASSERT_TRUE(waitUntil([&] { return !done.writes.isEmpty(); }));
    EXPECT_EQ(done.writes, QList<int>{0});
    EXPECT_EQ(read("1.3.6.1.2.1.17.7.1.1.5.0"), "1");
    // A scalar group is not re-read after a write.
    EXPECT_EQ(done.reads.size(), 1);
    write("1.3.6.1.2.1.17.7.1.1.5.0", "2");
}

TEST_F(VlanDialogs, StaticTableAddsAndDeletesAVlanWithItsPorts)
{
    const QString deletesBefore = read("1.3.6.1.2.1.17.7.1.4.1.0", QxSyntax::counter);
    TVlanStaticForm form(nullptr);
    form.setMessages(boxes.messages());
    Completions done;
    done.watch(form.tableBinding());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 1; }));
    QTreeWidget *list = child<QTreeWidget>(form, "LV_dot1qVlanStaticEntry");
    QPushButton *set = child<QPushButton>(form, "btnSet");
    QPushButton *add = child<QPushButton>(form, "btnAdd");
    QPushButton *del = child<QPushButton>(form, "btnDelete");
    QLineEdit *vlanId = child<QLineEdit>(form, "ED_VLANID");
    QLineEdit *vlanName = child<QLineEdit>(form, "ED_VLANName");
    QComboBox *status = child<QComboBox>(form, "Status");
    EXPECT_EQ(child<QLabel>(form, "ST_Count2")->text(), QString::number(list->topLevelItemCount()));
    EXPECT_NE(rowWithText(list, 0, "1"), nullptr);
    EXPECT_TRUE(waitUntil([&] { return child<QLabel>(form, "NextFreeLocalVlanIndex")->text() == "0"; }));
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(del->isEnabled());
    EXPECT_EQ(status->count(), 3);

    vlanId->setText("10");
    vlanName->setText("lab10");
    for (int k = 0; k < 4; ++k)
        form.egressPicker()->checkBoxes().at(k)->setChecked(true);
    add->click();
    // What the SET carried: row 10, createAndGo, ports 1-4 on the egress map.
    const QxSNMPVarList &sent = form.tableBinding()->varList();
    EXPECT_EQ(sent.item(0).valueText, "10");
    EXPECT_EQ(sent.item(1).valueText, "lab10");
    EXPECT_EQ(sent.item(2).valueText, "F000000000000000");
    EXPECT_EQ(sent.item(5).valueText, "createAndGo");
    // The editor is cleared once the write has gone through.
    ASSERT_TRUE(waitUntil([&] { return done.writes.size() == 1; }));
    EXPECT_TRUE(vlanId->text().isEmpty());
    EXPECT_TRUE(vlanName->text().isEmpty());
    EXPECT_EQ(status->currentIndex(), -1);
    for (QCheckBox *box : form.egressPicker()->checkBoxes())
        EXPECT_FALSE(box->isChecked());

    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 2; })) << form.Memo1()->toPlainText().toStdString();
    EXPECT_EQ(done.writes, QList<int>{0});
    // A list name meant to stand apart starts with a blank.
    EXPECT_TRUE(form.Memo1()->toPlainText().contains("Set: Ok Request: VLAN Static."))
        << form.Memo1()->toPlainText().toStdString();
    EXPECT_EQ(read(kStatic + ".5.10"), "1");
    EXPECT_EQ(read(kStatic + ".1.10", QxSyntax::displaystr), "lab10");
    EXPECT_EQ(read(kStatic + ".2.10", QxSyntax::bitstr), "F000000000000000");
    EXPECT_EQ(read(kCurrent + ".4.0.10", QxSyntax::bitstr), "F000000000000000");
    QTreeWidgetItem *row10 = rowWithText(list, 0, "10");
    ASSERT_NE(row10, nullptr);
    EXPECT_EQ(child<QLabel>(form, "ST_Count2")->text(), QString::number(list->topLevelItemCount()));

    // Selecting the row fills the editor and turns the buttons round.
    list->setCurrentItem(row10);
    EXPECT_EQ(vlanId->text(), "10");
    EXPECT_EQ(vlanName->text(), "lab10");
    EXPECT_EQ(status->currentText(), "active");
    EXPECT_TRUE(form.egressPicker()->checkBoxes().at(3)->isChecked());
    EXPECT_FALSE(form.egressPicker()->checkBoxes().at(4)->isChecked());
    EXPECT_TRUE(set->isEnabled());
    EXPECT_TRUE(del->isEnabled());
    EXPECT_FALSE(add->isEnabled());

    del->click();
    EXPECT_EQ(sent.item(0).valueText, "10");
    EXPECT_EQ(sent.item(5).valueText, "destroy");
    // The columns kept out of the delete have their access back at once.
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(sent.item(i).access, quint32(QxAccess::readwrite)) << i;
    ASSERT_TRUE(waitUntil([&] { return done.writes.size() == 2; }));
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(del->isEnabled());
    EXPECT_TRUE(add->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 3; }));
    EXPECT_EQ(done.writes, (QList<int>{0, 0}));
    EXPECT_EQ(read(kStatic + ".5.10"), "(NULL)");
    EXPECT_EQ(read(kCurrent + ".3.0.10", QxSyntax::guage), "(NULL)");
    EXPECT_EQ(rowWithText(list, 0, "10"), nullptr);
    EXPECT_EQ(read("1.3.6.1.2.1.17.7.1.4.1.0", QxSyntax::counter).toInt(), deletesBefore.toInt() + 1);
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('|').toStdString();
}

TEST_F(VlanDialogs, StaticTableSetChangesTheSelectedVlanAndRefreshLeavesOnlyAdd)
{
    TVlanStaticForm form(nullptr);
    form.setMessages(boxes.messages());
    Completions done;
    done.watch(form.tableBinding());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 1; }));
    QTreeWidget *list = child<QTreeWidget>(form, "LV_dot1qVlanStaticEntry");
    QTreeWidgetItem *row1 = rowWithText(list, 0, "1");
    ASSERT_NE(row1, nullptr);
    list->setCurrentItem(row1);
    ASSERT_TRUE(child<QPushButton>(form, "btnSet")->isEnabled());
    // Refresh leaves only Add, with an empty editor.
    child<QPushButton>(form, "btnRefresh")->click();
    EXPECT_TRUE(child<QPushButton>(form, "btnAdd")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(form, "btnSet")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(form, "btnDelete")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(form, "ED_VLANID")->text().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 2; }));

    const QString name = read(kStatic + ".1.1", QxSyntax::displaystr);
    list->setCurrentItem(rowWithText(list, 0, "1"));
    child<QLineEdit>(form, "ED_VLANName")->setText("renamed");
    form.untaggedPicker()->checkBoxes().at(27)->setChecked(false);
    child<QPushButton>(form, "btnSet")->click();
    ASSERT_TRUE(waitUntil([&] { return done.writes.size() == 1; }));
    EXPECT_FALSE(child<QPushButton>(form, "btnSet")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(form, "btnAdd")->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 3; }));
    EXPECT_EQ(done.writes, QList<int>{0});
    EXPECT_EQ(read(kStatic + ".1.1", QxSyntax::displaystr), "renamed");
    EXPECT_EQ(read(kStatic + ".4.1", QxSyntax::bitstr), "FFFFFFE000000000");
    EXPECT_EQ(read(kStatic + ".5.1"), "1");
    write(kStatic + ".1.1", name, QxSyntax::displaystr);
    write(kStatic + ".4.1", "FFFFFFF000000000", QxSyntax::bitstr);
}

TEST_F(VlanDialogs, StaticVlanIdTakesOnlyAVlanNumber)
{
    TVlanStaticForm form(nullptr);
    form.setMessages(boxes.messages());
    QLineEdit *vlanId = child<QLineEdit>(form, "ED_VLANID");
    const QxEditFormat *format = form.tableBinding()->constraint().format(vlanId);
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->type(), QChar('i'));
    EXPECT_EQ(format->checkExit("4094").result, QxEditFormat::ExitOutcome::Pass);
    EXPECT_EQ(format->checkExit("4095").result, QxEditFormat::ExitOutcome::Fail);
    EXPECT_EQ(format->checkExit("0").result, QxEditFormat::ExitOutcome::Fail);
    EXPECT_EQ(format->checkChange("1.2").action, QxEditFormat::ChangeOutcome::Refuse);
    EXPECT_EQ(format->length(), 4);

    // Without a VLAN ID there is no row to write: nothing is sent, and what
    // the user typed and ticked stays for the next try.
    Completions done;
    done.watch(form.tableBinding());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 1; }));
    child<QLineEdit>(form, "ED_VLANName")->setText("nobody");
    form.egressPicker()->checkBoxes().at(2)->setChecked(true);
    child<QPushButton>(form, "btnAdd")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(done.writes.isEmpty());
    EXPECT_EQ(done.reads.size(), 1);
    EXPECT_FALSE(form.Memo1()->toPlainText().isEmpty());
    EXPECT_EQ(child<QLineEdit>(form, "ED_VLANName")->text(), "nobody");
    EXPECT_TRUE(form.egressPicker()->checkBoxes().at(2)->isChecked());
    EXPECT_EQ(child<QComboBox>(form, "Status")->currentIndex(), -1);
}

TEST_F(VlanDialogs, PortDialogRefusesWhileReadingAndSelectsThePortAgainAfterSet)
{
    TVLanPortInfomationForm form(nullptr);
    form.setMessages(boxes.messages());
    Completions done;
    done.watch(form.tableBinding());
    // The first read is still running: both buttons are refused and send nothing.
    ASSERT_TRUE(form.tableBinding()->busy());
    child<QPushButton>(form, "btnRefresh")->click();
    child<QPushButton>(form, "btnSet")->click();
    EXPECT_EQ(boxes.texts(), (QStringList{"Refresh Not Complete", "Refresh Not Complete"}));
    ASSERT_TRUE(waitUntil([&] { return !done.reads.isEmpty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(done.reads, QList<int>{0});
    EXPECT_TRUE(done.writes.isEmpty());

    QTreeWidget *list = child<QTreeWidget>(form, "LV_dot1qPortVlanEntry");
    EXPECT_EQ(list->topLevelItemCount(), 28);
    EXPECT_EQ(child<QLabel>(form, "ST_Count")->text(), "28");
    QLineEdit *pvid = child<QLineEdit>(form, "PortVLanID");
    QComboBox *frames = child<QComboBox>(form, "AcceptableFrameTypes");
    EXPECT_TRUE(pvid->text().isEmpty());
    // The controls wait for a row.
    EXPECT_FALSE(frames->isEnabled());

    list->setCurrentItem(rowWithText(list, 0, "5"));
    EXPECT_TRUE(frames->isEnabled());
    EXPECT_EQ(pvid->text(), "1");
    EXPECT_EQ(frames->currentText(), "admitAll");
    frames->setCurrentIndex(frames->findText("admitOnlyVlanTagged"));
    child<QPushButton>(form, "btnSet")->click();
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 2; }));
    EXPECT_EQ(done.writes, QList<int>{0});
    EXPECT_EQ(read(kPortVlan + ".2.5"), "2");
    EXPECT_EQ(read(kPortVlan + ".2.4"), "1");
    // The same port is selected again and shown.
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.first()->text(0), "5");
    EXPECT_EQ(pvid->text(), "1");
    EXPECT_EQ(frames->currentText(), "admitOnlyVlanTagged");
    EXPECT_TRUE(frames->isEnabled());
    EXPECT_EQ(boxes.shown.size(), 2);
    write(kPortVlan + ".2.5", "1");
}

TEST_F(VlanDialogs, CurrentTableShowsTheVlansAndNeverWrites)
{
    TVLanCurrentTableForm form(nullptr);
    form.setMessages(boxes.messages());
    Completions done;
    done.watch(form.scalarBinding());
    done.watch(form.tableBinding());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 2; }));
    EXPECT_FALSE(child<QPushButton>(form, "btnSet")->isVisibleTo(&form));
    EXPECT_EQ(child<QLabel>(form, "VlanNumDeletes")->text(), read("1.3.6.1.2.1.17.7.1.4.1.0", QxSyntax::counter));
    QTreeWidget *list = child<QTreeWidget>(form, "LV_dot1qVlanCurrentEntry");
    QTreeWidgetItem *vlan1 = rowWithText(list, 1, "1");
    ASSERT_NE(vlan1, nullptr);
    EXPECT_EQ(child<QLabel>(form, "ST_Count2")->text(), QString::number(list->topLevelItemCount()));
    list->setCurrentItem(vlan1);
    EXPECT_EQ(child<QLabel>(form, "StaticText1")->text(), "1");
    const QList<QCheckBox *> &egress = form.egressPicker()->checkBoxes();
    EXPECT_TRUE(egress.at(0)->isChecked());
    EXPECT_TRUE(egress.at(27)->isChecked());
    EXPECT_FALSE(egress.at(28)->isChecked());
    // The dialog only shows port maps: a click or a key changes no box.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(egress.at(0), &press);
    QApplication::sendEvent(egress.at(0), &release);
    QApplication::sendEvent(egress.at(0), &space);
    EXPECT_TRUE(egress.at(0)->isChecked());
    EXPECT_TRUE(egress.at(0)->isEnabled());

    child<QPushButton>(form, "btnRefresh")->click();
    EXPECT_TRUE(child<QLabel>(form, "StaticText1")->text().isEmpty());
    for (QCheckBox *box : egress)
        EXPECT_FALSE(box->isChecked());
    ASSERT_TRUE(waitUntil([&] { return done.reads.size() == 4; }));
    EXPECT_TRUE(done.writes.isEmpty());
}

TEST_F(VlanDialogs, ClosingDuringAReadStopsAndDestroysTheBindings)
{
    TVlanStaticForm form(nullptr);
    form.setMessages(boxes.messages());
    ASSERT_EQ(form.bindingCount(), 2);
    ASSERT_TRUE(form.tableBinding()->busy());
    form.reject();
    EXPECT_TRUE(form.bindingsClosed());
    EXPECT_EQ(form.bindingCount(), 0);
    // Nothing reaches the dialog afterwards.
    QCoreApplication::processEvents();
}

} // namespace
