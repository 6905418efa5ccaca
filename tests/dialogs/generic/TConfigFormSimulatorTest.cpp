// The generic dialog against the shared switch simulator: what its pages send,
// checked in the simulator's state with a second read. The objects written are
// restored (scalars) or removed again (trust-host rows) by each test.
#include "common/OnPrivateSimulator.h"
#include "common/CliResult.h"
#include "common/MessageRecorder.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"

#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxStatusLine.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include "common/TestSupport.h"

namespace {

using TestSupport::waitUntil;

const QString kVendor = QStringLiteral("1.3.6.1.4.1.32473");

constexpr QxOptionPair kRowStatusPairs[] = {{1, "active"},        {2, "notInService"}, {3, "notReady"},
                                            {4, "createAndGo"},   {5, "createAndWait"}, {6, "destroy"},
                                            {0, nullptr}};
const QxOptionList kRowStatus(kRowStatusPairs);
const QStringList kAllStatusTexts{"active", "notInService", "notReady", "createAndGo", "createAndWait", "destroy"};

constexpr QxSNMPVarItem kDeviceInfo[] = {
    {"EnterpriseBase.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
    {"EnterpriseBase.11.63.7.2.1.1.3", "Fan Count", QxSyntax::integer, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kOneWritable[] = {
    {"EnterpriseBase.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
    {"EnterpriseBase.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kThreeWritable[] = {
    {"EnterpriseBase.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.21", "Interval", QxSyntax::integer, QxAccess::readwrite},
    {"EnterpriseBase.11.63.7.2.1.2.5", "VLAN", QxSyntax::integer, QxAccess::readwrite},
    {},
};

constexpr QxSNMPVarItem kTrustHosts[] = {
    {"EnterpriseBase.12.1.2.10.1.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"EnterpriseBase.12.1.2.10.1.1.2", "IP Address", QxSyntax::ipaddress, QxAccess::readwrite},
    {"EnterpriseBase.12.1.2.10.1.1.4", "Subnet Mask", QxSyntax::ipaddress, QxAccess::readwrite},
    {"EnterpriseBase.12.1.2.10.1.1.3", "Row Status", QxSyntax::integer, QxAccess::readwrite, &kRowStatus},
    {},
};

constexpr QxSNMPVarItem kVlanStatic[] = {
    {"", "VLAN Index", QxSyntax::guage, QxAccess::notaccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", QxSyntax::bitstr, QxAccess::readwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", QxSyntax::bitstr, QxAccess::readwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", QxSyntax::bitstr, QxAccess::readwrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", QxSyntax::integer, QxAccess::readwrite, &kRowStatus},
    {},
};

constexpr QxSNMPVarItem kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", QxSyntax::integer, QxAccess::readonly},
    {},
};

// Records what each write would send: the writable non-key variables with
// their texts, at the moment the controller starts the write.
class WriteProbe : public QxSNMPRequest2Edits
{
public:
    using QxSNMPRequest2Edits::QxSNMPRequest2Edits;

    void beforeWrite() override
    {
        const QxSNMPVarList &list = varList();
        QStringList sent;
        for (int i = 0; i < list.count(); ++i)
            if (list.isWritable(i) && !(list.isTableKind() && i < list.keyCount()))
                sent << list.item(i).caption + "=" + list.item(i).valueText;
        writes << sent;
    }

    QList<QStringList> writes;
};

// Each test writes, so each has a simulator of its own: tests run side by side
// and must not see each other's rows and values.
class DialogOnSimulator : public OnPrivateSimulator
{
protected:

    // The second read: one instance straight from the simulator.
    static QString read(const QString &oid, const QString &instance, quint32 syntax = QxSyntax::integer)
    {
        QxSNMPRequest r;
        QxSNMPVarList list;
        list.append(oid, "v", syntax, QxAccess::readonly);
        list.setItemType(MVT_SV);
        list.setInstanceSuffix(instance);
        r.varList() = list;
        r.varList().setInstanceSuffix(instance);
        try {
            r.readRow(true);
        } catch (const QxSNMPException &e) {
            return QStringLiteral("<error>");
        }
        return r.varList().item(0).valueText;
    }

    static void write(const QString &oid, const QString &instance, const QString &value,
                      quint32 syntax = QxSyntax::integer)
    {
        QxSNMPRequest r;
        QxSNMPVarList list;
        list.append(oid, "v", syntax, QxAccess::readwrite);
        list.setItemType(MVT_SV);
        r.varList() = list;
        r.varList().setInstanceSuffix(instance);
        r.varList().item(0).valueText = value;
        try {
            r.writeRow();
        } catch (const QxSNMPException &) {
        }
    }

    static QString scalar(const QString &rest) { return read(kVendor + rest, "0"); }

    template <typename Page>
    Page *open(TConfigForm &form, Page *page, WriteProbe *probe)
    {
        form.setMessages(answers.messages());
        QObject::connect(probe, &QxSNMPRequest2Controls::readDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { reads << e.code; });
        form.show();
        EXPECT_TRUE(waitUntil([this] { return !reads.isEmpty(); })) << "no first refresh";
        return page;
    }

    MessageRecorder answers;
    QList<int> reads;
};

TEST_F(DialogOnSimulator, FirstRefreshRunsOnceTheDialogIsShown)
{
    TConfigForm form(nullptr);
    auto probe = std::make_unique<WriteProbe>(&form);
    WriteProbe *c = probe.get();
    c->varList() = QxSNMPVarList(kDeviceInfo, SVT_SV, 0);
    c->varList().setListName("Device Information");
    TSNMPEditorPanel *page = form.CreateEditorPanel(std::move(probe));
    QCoreApplication::processEvents();
    // Nothing is read before the dialog is on screen.
    EXPECT_TRUE(page->editsPanel()->edit(0)->text().isEmpty());
    EXPECT_EQ(form.currentController(), nullptr);
    open(form, page, c);
    EXPECT_EQ(reads, QList<int>{0});
    EXPECT_EQ(form.currentController(), c);
    EXPECT_EQ(page->editsPanel()->edit(0)->text(), scalar(".11.63.7.2.1.1.2"));
    EXPECT_FALSE(page->editsPanel()->edit(0)->text().isEmpty());
    EXPECT_TRUE(page->msgPanel()->memo()->toPlainText().contains("Device Information"));
}

TEST_F(DialogOnSimulator, SetWritesTheOnlyWritableVariable)
{
    const QString before = scalar(".11.63.7.2.1.2.20");
    TConfigForm form(nullptr);
    auto probe = std::make_unique<WriteProbe>(&form);
    WriteProbe *c = probe.get();
    c->varList() = QxSNMPVarList(kOneWritable, SVT_SV, 0);
    TSNMPEditorPanel *page = open(form, form.CreateEditorPanel(std::move(probe)), c);
    const QString next = before == "7" ? "8" : "7";
    page->editsPanel()->edit(1)->setText(next);
    page->ctrlBtnPanel()->setCheckedButton()->click();
    EXPECT_EQ(c->writes, (QList<QStringList>{{"Timeout=" + next}}));
    EXPECT_EQ(scalar(".11.63.7.2.1.2.20"), next);
    write(kVendor + ".11.63.7.2.1.2.20", "0", before);
}

TEST_F(DialogOnSimulator, TwoTickedRowsAreWrittenAloneAndTheListIsUnmarkedAfterwards)
{
    const QString timeout = scalar(".11.63.7.2.1.2.20");
    const QString interval = scalar(".11.63.7.2.1.2.21");
    const QString vlan = scalar(".11.63.7.2.1.2.5");
    TConfigForm form(nullptr);
    auto probe = std::make_unique<WriteProbe>(&form);
    WriteProbe *c = probe.get();
    c->varList() = QxSNMPVarList(kThreeWritable, SVT_SV, 0);
    TSNMPEditorPanel *page = open(form, form.CreateEditorPanel(std::move(probe)), c);
    TEditsPanel *edits = page->editsPanel();
    edits->edit(0)->setText("11");
    edits->edit(1)->setText("12");
    edits->edit(2)->setText(vlan == "99" ? "98" : "99");
    edits->checkBox(0)->click();
    edits->checkBox(1)->click();
    ASSERT_TRUE(page->ctrlBtnPanel()->setCheckedButton()->isEnabled());
    page->ctrlBtnPanel()->setCheckedButton()->click();

    EXPECT_EQ(c->writes, (QList<QStringList>{{"Timeout=11", "Interval=12"}}));
    EXPECT_EQ(scalar(".11.63.7.2.1.2.20"), "11");
    EXPECT_EQ(scalar(".11.63.7.2.1.2.21"), "12");
    EXPECT_EQ(scalar(".11.63.7.2.1.2.5"), vlan);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(c->varList().item(i).access, quint32(QxAccess::readwrite)) << i;
    EXPECT_TRUE(c->asynchronous());
    write(kVendor + ".11.63.7.2.1.2.20", "0", timeout);
    write(kVendor + ".11.63.7.2.1.2.21", "0", interval);
}

TEST_F(DialogOnSimulator, EmptyTickedEditSendsNothing)
{
    const QString timeout = scalar(".11.63.7.2.1.2.20");
    TConfigForm form(nullptr);
    auto probe = std::make_unique<WriteProbe>(&form);
    WriteProbe *c = probe.get();
    c->varList() = QxSNMPVarList(kThreeWritable, SVT_SV, 0);
    TSNMPEditorPanel *page = open(form, form.CreateEditorPanel(std::move(probe)), c);
    page->editsPanel()->edit(0)->clear();
    page->editsPanel()->edit(1)->setText("13");
    page->editsPanel()->checkBox(0)->click();
    page->editsPanel()->checkBox(1)->click();
    page->ctrlBtnPanel()->setCheckedButton()->click();
    EXPECT_EQ(answers.shown, QStringList{"Warning|Some items are empty!"});
    EXPECT_TRUE(c->writes.isEmpty());
    EXPECT_EQ(scalar(".11.63.7.2.1.2.20"), timeout);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(c->varList().item(i).access, quint32(QxAccess::readwrite)) << i;
    EXPECT_TRUE(c->asynchronous());
}

// A write the switch refuses names the field it refused: the status line
// shows it as a failure with the field's caption, and the field is marked and
// takes the focus until the user changes it.
TEST_F(DialogOnSimulator, ARefusedWriteNamesAndMarksItsField)
{
    // The switch answers writes below the object with badValue.
    const QString fault = QStringLiteral("1.3.6.1.3.2400.1.10.1.%1.1");
    ASSERT_EQ(runSnmp("snmpset", {"-v2c", "-c", "kdrwopl", sim.target(), fault.arg(2), "o",
                                  kVendor + ".11.63.7.2.1.2.20", fault.arg(3), "i", "3", fault.arg(4), "i", "3",
                                  fault.arg(5), "i", "4"})
                  .exitCode,
              0);
    TConfigForm form(nullptr);
    auto probe = std::make_unique<WriteProbe>(&form);
    WriteProbe *c = probe.get();
    c->varList() = QxSNMPVarList(kOneWritable, SVT_SV, 0);
    TSNMPEditorPanel *page = open(form, form.CreateEditorPanel(std::move(probe)), c);
    QLineEdit *edit = page->editsPanel()->edit(1);
    edit->setText("42");
    emit edit->textEdited("42");
    page->ctrlBtnPanel()->setCheckedButton()->click();
    ASSERT_TRUE(waitUntil([c] { return !c->busy(); }));
    QPlainTextEdit *memo = page->msgPanel()->memo();
    const QString last = memo->toPlainText().split('\n').last();
    EXPECT_TRUE(last.startsWith("Set: (SNMP) Cannot modify variable: Bad Value! (Timeout)")) << last.toStdString();
    EXPECT_TRUE(QxStatusLine::showsFailure(memo));
    EXPECT_TRUE(c->isMarkedRefused(edit));
    EXPECT_TRUE(edit->hasFocus() || !QApplication::focusWindow());
    emit edit->textEdited("43");
    EXPECT_FALSE(c->isMarkedRefused(edit));
}

class TrustHostTable : public DialogOnSimulator
{
protected:
    static constexpr char kRow[] = "9";

    void SetUp() override
    {
        DialogOnSimulator::SetUp();
        if (IsSkipped())
            return;
        removeRow();
    }
    void TearDown() override
    {
        if (sim.running())
            removeRow();
    }
    static void removeRow() { write(kVendor + ".12.1.2.10.1.1.3", kRow, "6"); }
    static QString cell(int column, quint32 syntax = QxSyntax::ipaddress)
    {
        return read(kVendor + ".12.1.2.10.1.1." + QString::number(column), kRow, syntax);
    }

    TSNMPListViewPanel *openTable(TConfigForm &form, WriteProbe *&c)
    {
        form.setWindowTitle("Trust Host Table : 127.0.0.1");
        auto probe = std::make_unique<WriteProbe>(&form);
        c = probe.get();
        c->varList() = QxSNMPVarList(kTrustHosts, MVT_UMV, 1);
        return open(form, form.CreateListViewPanel(std::move(probe), 3, "createAndGo", 3, "destroy"), c);
    }

    // Waits for the read that follows a dialog or a delete.
    void settle(WriteProbe *c)
    {
        EXPECT_TRUE(waitUntil([c] { return !c->busy(); }));
    }

    static QTreeWidgetItem *rowOf(TSNMPListViewPanel *page, const QString &index)
    {
        QTreeWidget *lv = page->listViewPanel()->listView();
        for (int r = 0; r < lv->topLevelItemCount(); ++r)
            if (lv->topLevelItem(r)->text(0) == index)
                return lv->topLevelItem(r);
        return nullptr;
    }
};

TEST_F(TrustHostTable, AddEditAndDeleteARow)
{
    TConfigForm form(nullptr);
    WriteProbe *c = nullptr;
    TSNMPListViewPanel *page = openTable(form, c);
    TEditsPanel *edits = page->editsPanel();
    TCtrlBtnPanel *pageBar = page->ctrlBtnPanel();
    EXPECT_EQ(pageBar->countBox()->text(), QString::number(page->listViewPanel()->listView()->topLevelItemCount()));

    // Add: the key row and the status row are ticked and locked.
    int dialogs = 0;
    page->setDialogRunner([&](QDialog &dialog) {
        ++dialogs;
        EXPECT_EQ(dialog.windowTitle(), "Trust Host Table : 127.0.0.1 (Add)");
        EXPECT_TRUE(edits->isTicked(0));
        EXPECT_FALSE(edits->checkBox(0)->isHidden());
        EXPECT_FALSE(edits->checkBox(0)->isEnabled());
        EXPECT_FALSE(edits->edit(0)->isReadOnly());
        EXPECT_EQ(edits->comboBox(3)->currentText(), "createAndGo");
        EXPECT_FALSE(edits->comboBox(3)->isEnabled());
        EXPECT_TRUE(edits->isTicked(3));
        EXPECT_FALSE(edits->checkBox(3)->isEnabled());
        EXPECT_EQ(edits->parentWidget()->window(), &dialog);
        auto *bar = dialog.findChild<TCtrlBtnPanel *>();
        EXPECT_TRUE(bar->refreshButton()->isHidden());
        EXPECT_EQ(c->constraint().ownerWindow(), &dialog);
        edits->edit(0)->setText(kRow);
        edits->edit(1)->setText("10.9.9.9");
        edits->edit(2)->setText("255.255.0.0");
        edits->checkBox(1)->click();
        edits->checkBox(2)->click();
        // Enter in a value field presses the window's default button.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(edits->edit(2), &enter);
        EXPECT_EQ(c->writes.size(), 1);
        return dialog.result();
    });
    // Enter in the page's filter field presses nothing.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(page->listViewPanel()->filterField(), &enter);
    EXPECT_EQ(dialogs, 0);
    page->ctrlBtnPanel()->addButton()->click();
    settle(c);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(edits->isHidden());
    EXPECT_EQ(c->constraint().ownerWindow(), &form);
    ASSERT_EQ(c->writes.size(), 1);
    EXPECT_EQ(c->writes.last(), (QStringList{"IP Address=10.9.9.9", "Subnet Mask=255.255.0.0", "Row Status=createAndGo"}));
    EXPECT_EQ(cell(2), "10.9.9.9");
    EXPECT_EQ(cell(4), "255.255.0.0");
    EXPECT_EQ(cell(3, QxSyntax::integer), "1");
    QTreeWidgetItem *added = rowOf(page, kRow);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(pageBar->countBox()->text(), QString::number(page->listViewPanel()->listView()->topLevelItemCount()));

    // Edit: the status list lacks the add and delete choices while it is open.
    added->setSelected(true);
    page->LVClick();
    EXPECT_TRUE(pageBar->editButton()->isEnabled());
    EXPECT_EQ(edits->edit(2)->text(), "255.255.0.0");
    page->setDialogRunner([&](QDialog &dialog) {
        ++dialogs;
        EXPECT_EQ(dialog.windowTitle(), "Trust Host Table : 127.0.0.1");
        QStringList choices;
        for (int k = 0; k < edits->comboBox(3)->count(); ++k)
            choices << edits->comboBox(3)->itemText(k);
        EXPECT_EQ(choices, (QStringList{"active", "notInService", "notReady", "createAndWait"}));
        auto *bar = dialog.findChild<TCtrlBtnPanel *>();
        EXPECT_FALSE(bar->setCheckedButton()->isEnabled());
        EXPECT_TRUE(edits->checkBox(0)->isHidden());
        EXPECT_TRUE(edits->edit(0)->isReadOnly());
        EXPECT_EQ(edits->edit(1)->width(), TSNMPListViewPanel::EditValueWidth);
        edits->edit(2)->setText("255.255.255.0");
        edits->checkBox(2)->click();
        EXPECT_TRUE(bar->setCheckedButton()->isEnabled());
        bar->setCheckedButton()->click();
        return dialog.result();
    });
    page->ctrlBtnPanel()->editButton()->click();
    settle(c);
    EXPECT_EQ(dialogs, 2);
    ASSERT_EQ(c->writes.size(), 2);
    EXPECT_EQ(c->writes.last(), QStringList{"Subnet Mask=255.255.255.0"});
    EXPECT_EQ(cell(4), "255.255.255.0");
    EXPECT_EQ(cell(2), "10.9.9.9");
    QStringList choices;
    for (int k = 0; k < edits->comboBox(3)->count(); ++k)
        choices << edits->comboBox(3)->itemText(k);
    EXPECT_EQ(choices, kAllStatusTexts);
    EXPECT_EQ(edits->valueWidth(), TSNMPListViewPanel::EditValueWidth);

    // The next add dialog selects the add status again; closing it sends nothing.
    page->setDialogRunner([&](QDialog &) {
        ++dialogs;
        EXPECT_EQ(edits->comboBox(3)->currentText(), "createAndGo");
        EXPECT_EQ(edits->edit(1)->width(), TSNMPListViewPanel::EditValueWidth);
        return int(QDialog::Rejected);
    });
    page->AddBtnClick();
    settle(c);
    EXPECT_EQ(c->writes.size(), 2);

    // Delete: "No" sends nothing.
    ASSERT_NE(rowOf(page, kRow), nullptr);
    rowOf(page, kRow)->setSelected(true);
    page->LVClick();
    answers.answer = false;
    page->DeleteBtnClick();
    EXPECT_EQ(answers.shown.last(), "Delete|Are you sure to delete ?");
    EXPECT_EQ(c->writes.size(), 2);
    EXPECT_EQ(cell(3, QxSyntax::integer), "1");

    // "Yes" sends the status column alone, with "destroy".
    answers.answer = true;
    page->DeleteBtnClick();
    settle(c);
    ASSERT_EQ(c->writes.size(), 3);
    EXPECT_EQ(c->writes.last(), QStringList{"Row Status=destroy"});
    EXPECT_NE(cell(2), "10.9.9.9");
    EXPECT_EQ(rowOf(page, kRow), nullptr);
    for (int i = 0; i < c->varList().count(); ++i)
        EXPECT_EQ(c->varList().item(i).access, kTrustHosts[i].access) << i;
    EXPECT_TRUE(c->asynchronous());
}

// What the user types in the add window is written: typing a value ticks its
// row (the key and status rows are ticked already).
TEST_F(TrustHostTable, TypedValuesAreWritten)
{
    TConfigForm form(nullptr);
    WriteProbe *c = nullptr;
    TSNMPListViewPanel *page = openTable(form, c);
    TEditsPanel *edits = page->editsPanel();
    page->setDialogRunner([&](QDialog &dialog) {
        const auto typeInto = [edits](int row, const QString &text) {
            edits->edit(row)->setText(text);
            emit edits->edit(row)->textEdited(text);
        };
        typeInto(0, kRow);
        typeInto(1, "10.1.1.5");
        typeInto(2, "255.255.255.0");
        EXPECT_TRUE(edits->isTicked(1));
        EXPECT_TRUE(edits->isTicked(2));
        auto *bar = dialog.findChild<TCtrlBtnPanel *>();
        EXPECT_TRUE(bar->setCheckedButton()->isEnabled());
        bar->setCheckedButton()->click();
        return dialog.result();
    });
    page->ctrlBtnPanel()->addButton()->click();
    settle(c);
    EXPECT_EQ(cell(2), "10.1.1.5");
    EXPECT_EQ(cell(4), "255.255.255.0");
}

TEST_F(TrustHostTable, EmptyKeyInTheAddDialogKeepsItOpen)
{
    TConfigForm form(nullptr);
    WriteProbe *c = nullptr;
    TSNMPListViewPanel *page = openTable(form, c);
    TEditsPanel *edits = page->editsPanel();
    int accepted = -1;
    page->setDialogRunner([&](QDialog &dialog) {
        edits->edit(1)->setText("10.9.9.8");
        edits->checkBox(1)->click();
        dialog.findChild<TCtrlBtnPanel *>()->setCheckedButton()->click();
        accepted = dialog.result();
        return dialog.result();
    });
    page->AddBtnClick();
    settle(c);
    EXPECT_EQ(accepted, int(QDialog::Rejected));
    EXPECT_TRUE(c->writes.isEmpty());
    EXPECT_EQ(answers.shown, QStringList{"Warning|Some items are empty!"});
}

// A page the user has sorted and filtered writes the row the user selected,
// with its port list as the switch holds it, not as the list shows it; the
// filter hiding the selected row takes Edit and Delete away.
TEST_F(DialogOnSimulator, AnEditOnASortedFilteredPageWritesTheSelectedRowAsHeld)
{
    const QString vlans = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1");
    for (const auto &[vid, egress] : {std::pair{"9", "C000000000000000"}, {"10", "FE00008000000000"},
                                      {"100", "0100000000000000"}}) {
        write(vlans + ".5", vid, "4");
        write(vlans + ".2", vid, egress, QxSyntax::bitstr);
    }
    TConfigForm form(nullptr);
    auto probe = std::make_unique<WriteProbe>(&form);
    WriteProbe *c = probe.get();
    c->varList() = QxSNMPVarList(kVlanStatic, MVT_UMV, 1);
    TSNMPListViewPanel *page = open(form, form.CreateListViewPanel(std::move(probe), 5, "createAndGo", 5, "destroy"), c);
    ASSERT_TRUE(waitUntil([c] { return !c->busy(); }));
    TListViewPanel *panel = page->listViewPanel();
    QxListView *lv = panel->listView();
    const auto shownKeys = [lv] {
        QStringList keys;
        for (int r = 0; r < lv->topLevelItemCount(); ++r)
            if (!lv->topLevelItem(r)->isHidden())
                keys << lv->topLevelItem(r)->text(0);
        return keys;
    };
    lv->sortAsClicked(0, Qt::DescendingOrder);
    EXPECT_EQ(shownKeys(), QStringList({"100", "10", "9", "1"}));

    lv->topLevelItem(0)->setSelected(true);
    page->LVClick();
    EXPECT_TRUE(page->ctrlBtnPanel()->editButton()->isEnabled());
    panel->filterField()->setText("1-7");
    EXPECT_EQ(shownKeys(), QStringList{"10"});
    EXPECT_EQ(page->ctrlBtnPanel()->countBox()->text(), "1 of 4");
    EXPECT_FALSE(page->ctrlBtnPanel()->editButton()->isEnabled());
    EXPECT_FALSE(page->ctrlBtnPanel()->deleteButton()->isEnabled());

    QTreeWidgetItem *row = lv->topLevelItem(1);
    ASSERT_EQ(row->text(0), "10");
    EXPECT_EQ(row->text(2), "1-7,25");
    EXPECT_EQ(row->toolTip(2), "FE00008000000000");
    row->setSelected(true);
    page->LVClick();
    TEditsPanel *edits = page->editsPanel();
    page->setDialogRunner([&](QDialog &dialog) {
        edits->edit(1)->setText("lab");
        edits->checkBox(1)->click();
        edits->checkBox(2)->click();
        dialog.findChild<TCtrlBtnPanel *>()->setCheckedButton()->click();
        return dialog.result();
    });
    page->ctrlBtnPanel()->editButton()->click();
    EXPECT_TRUE(waitUntil([c] { return !c->busy(); }));
    ASSERT_EQ(c->writes.size(), 1);
    EXPECT_EQ(c->writes.last(), (QStringList{"Name=lab", "Egress Ports=FE00008000000000"}));
    EXPECT_EQ(read(vlans + ".1", "10", QxSyntax::displaystr), "lab");
    EXPECT_EQ(read(vlans + ".2", "10", QxSyntax::bitstr), "FE00008000000000");
    EXPECT_NE(read(vlans + ".1", "100", QxSyntax::displaystr), "lab");
}

class InterfaceWalk : public DialogOnSimulator
{
protected:
    TSNMPListViewPanel *build(TConfigForm &form, WriteProbe *&c)
    {
        auto probe = std::make_unique<WriteProbe>(&form);
        c = probe.get();
        c->varList() = QxSNMPVarList(kInterfaces, MVT_FMV, 1);
        QObject::connect(c, &QxSNMPRequest2Controls::readDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { reads << e.code; });
        form.setMessages(answers.messages());
        return form.CreateListViewPanel(std::move(probe), -1, {}, -1, {});
    }
};

TEST_F(InterfaceWalk, ClosingWhileARefreshRunsWaitsForIt)
{
    auto form = std::make_unique<TConfigForm>(nullptr);
    WriteProbe *c = nullptr;
    build(*form, c);
    form->FormRefresh();
    ASSERT_TRUE(c->busy());
    form->done(QDialog::Rejected);
    // The walk ended (its event came) before the controller went.
    EXPECT_EQ(reads.size(), 1);
    EXPECT_EQ(form->controllerCount(), 0);
    EXPECT_EQ(form->controller(), nullptr);
    form.reset();
    // No reply arrives later for the destroyed controller.
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(reads.size(), 1);
}

TEST_F(InterfaceWalk, RowsAreCountedWhileTheyArrive)
{
    TConfigForm form(nullptr);
    WriteProbe *c = nullptr;
    TSNMPListViewPanel *page = build(form, c);
    QLabel *count = page->ctrlBtnPanel()->countBox();
    QStringList seen;
    QObject::connect(page->listViewPanel(), &TListViewPanel::rowsChanged,
                     [&](int) { seen << count->text(); });
    // A switch that takes its time per row: the walk lasts long enough to be watched.
    write("1.3.6.1.3.2400.1.2", "0", "15");
    form.FormRefresh();
    ASSERT_TRUE(waitUntil([&] { return !reads.isEmpty(); }));
    const int rows = page->listViewPanel()->listView()->topLevelItemCount();
    ASSERT_GT(rows, 2);
    EXPECT_EQ(count->text(), QString::number(rows));
    // The first row shows at once, later ones in batches while the walk goes on.
    EXPECT_TRUE(seen.contains("1"));
    const bool grewInBetween = std::any_of(seen.begin(), seen.end(), [rows](const QString &n) {
        return n.toInt() > 1 && n.toInt() < rows;
    });
    EXPECT_TRUE(grewInBetween) << seen.join(' ').toStdString();
}

TEST_F(InterfaceWalk, EditDialogWaitsUntilTheRunningWalkHasEnded)
{
    TConfigForm form(nullptr);
    WriteProbe *c = nullptr;
    TSNMPListViewPanel *page = build(form, c);
    // A slow exchange: the wait is bounded by every try timing out, not a fixed second.
    c->request().timeout = 300;
    EXPECT_EQ(c->waitLimitMs(), 300 * 10 * (c->request().retries + 1) + 1000);
    page->RefreshBtnClick();
    ASSERT_TRUE(c->busy());
    bool busyInDialog = true;
    bool aliveInDialog = false;
    int readsInDialog = -1;
    page->setDialogRunner([&](QDialog &) {
        busyInDialog = c->busy();
        aliveInDialog = c->request().alive();
        readsInDialog = int(reads.size());
        return 0;
    });
    page->EditBtnClick();
    EXPECT_FALSE(busyInDialog);
    EXPECT_TRUE(aliveInDialog);
    EXPECT_EQ(readsInDialog, 1);
    // The refresh after the dialog reads the whole table again.
    ASSERT_TRUE(waitUntil([&] { return reads.size() == 2; }));
    EXPECT_GT(page->listViewPanel()->listView()->topLevelItemCount(), 2);
}

TEST(InterfaceWalkOnSlowAgent, EditDialogWaitsLongerThanASecondForASlowReply)
{
    SimulatorProcess sim;
    if (!sim.running())
        GTEST_SKIP() << "the simulator is not built";
    QTemporaryDir counterDir;
    initializeSession(counterDir.path());
    sim.useAsDefaultAgent();
    {
        // Every reply of this simulator now takes 1.5 s.
        QxSNMPRequest r;
        r.timeout = 300;
        r.varList().append("1.3.6.1.3.2400.1.2", "Delay", QxSyntax::integer, QxAccess::readwrite);
        r.varList().item(0).valueText = "1500";
        r.writeRow();
    }
    TConfigForm form(nullptr);
    auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
    QxSNMPRequest2Edits *c = controller.get();
    c->varList() = QxSNMPVarList(kInterfaces, MVT_FMV, 1);
    c->request().timeout = 300;
    c->request().retries = 0;
    int reads = 0;
    QObject::connect(c, &QxSNMPRequest2Controls::readDone, [&](QxSNMPRequest2Controls *, const QxSNMPError &) { ++reads; });
    TSNMPListViewPanel *page = form.CreateListViewPanel(std::move(controller), -1, {}, -1, {});
    page->RefreshBtnClick();
    ASSERT_TRUE(c->busy());
    QElapsedTimer clock;
    clock.start();
    qint64 waited = -1;
    bool busyInDialog = true;
    int readsInDialog = -1;
    page->setDialogRunner([&](QDialog &) {
        waited = clock.elapsed();
        busyInDialog = c->busy();
        readsInDialog = reads;
        // Stop the slow read the page starts after the dialog.
        c->request().setAlive(false);
        return 0;
    });
    page->EditBtnClick();
    EXPECT_FALSE(busyInDialog);
    EXPECT_GE(waited, 1000);
    EXPECT_EQ(readsInDialog, 1);
    form.done(QDialog::Rejected);
}

} // namespace
