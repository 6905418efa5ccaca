// The generic dialog's pages without an agent: which buttons show, row states,
// the errors of a wrong use, the port-list window, sizing, hint and export.
#include "common/MessageRecorder.h"

#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr QxOptionPair kEnablePairs[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const QxOptionList kEnable(kEnablePairs);

constexpr QxOptionPair kRowStatusPairs[] = {{1, "active"},        {2, "notInService"}, {3, "notReady"},
                                            {4, "createAndGo"},   {5, "createAndWait"}, {6, "destroy"},
                                            {0, nullptr}};
const QxOptionList kRowStatus(kRowStatusPairs);

constexpr QxSNMPVarItem kReadOnly[] = {
    {"1.3.6.1.4.1.32473.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.4.1.32473.11.63.7.2.1.1.4", "Model", QxSyntax::integer, QxAccess::readonly, &kEnable},
    {},
};

constexpr QxSNMPVarItem kMixed[] = {
    {"1.3.6.1.4.1.32473.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.4.1.32473.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.11.63.7.2.1.2.7", "State", QxSyntax::integer, QxAccess::readwrite, &kEnable},
    {"1.3.6.1.4.1.32473.11.63.7.2.1.2.21", "Interval", QxSyntax::integer, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.11.63.7.2.1.1.4", "Model", QxSyntax::integer, QxAccess::readonly, &kEnable},
    {},
};

constexpr QxSNMPVarItem kPorts[] = {
    {"1.3.6.1.4.1.32473.9.1", "Member Ports", QxSyntax::octetstr, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.9.2", "Shown Ports", QxSyntax::octetstr, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kTrustHosts[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.2", "IP Address", QxSyntax::ipaddress, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.4", "Subnet Mask", QxSyntax::ipaddress, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.3", "Row Status", QxSyntax::integer, QxAccess::readwrite, &kRowStatus},
    {},
};

std::unique_ptr<QxSNMPRequest2Edits> controllerFor(QWidget *form, const QxSNMPVarItem *items, quint8 kind = SVT_SV,
                                                   int keys = 0)
{
    auto c = std::make_unique<QxSNMPRequest2Edits>(form);
    c->varList() = QxSNMPVarList(items, kind, keys);
    return c;
}

QString usageError(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TPanelUsageError &e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), e.text());
        return e.text();
    }
    return QString();
}

bool shown(const QWidget *w)
{
    return !w->isHidden();
}

TEST(TConfigFormPanels, ReadOnlyScalarPageShowsOnlyRefreshAndClose)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kReadOnly));
    EXPECT_EQ(form.pageKind(), TConfigForm::EditorPage);
    TCtrlBtnPanel *bar = page->ctrlBtnPanel();
    EXPECT_TRUE(shown(bar->refreshButton()));
    EXPECT_TRUE(shown(bar->closeButton()));
    for (QWidget *w : {static_cast<QWidget *>(bar->countBox()), static_cast<QWidget *>(bar->countLabel()),
                       static_cast<QWidget *>(bar->editButton()), static_cast<QWidget *>(bar->setCheckedButton()),
                       static_cast<QWidget *>(bar->addButton()), static_cast<QWidget *>(bar->deleteButton()),
                       static_cast<QWidget *>(bar->checkAllButton()), static_cast<QWidget *>(bar->clearChecksButton())})
        EXPECT_FALSE(shown(w)) << w->objectName().toStdString();
    TEditsPanel *edits = page->editsPanel();
    ASSERT_EQ(edits->rowCount(), 2);
    EXPECT_EQ(edits->row(0).kind, TEditsPanel::ReadOnlyEdit);
    EXPECT_EQ(edits->row(1).kind, TEditsPanel::ReadOnlyOptionEdit);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(shown(edits->checkBox(i)));
        EXPECT_TRUE(edits->edit(i)->isReadOnly());
    }
    // The bar's visible controls are stacked 5 apart from 10 down.
    EXPECT_EQ(bar->refreshButton()->y(), TCtrlBtnPanel::TopMargin);
    EXPECT_EQ(bar->closeButton()->y(), bar->refreshButton()->geometry().bottom() + 1 + TCtrlBtnPanel::Spacing);
}

TEST(TConfigFormPanels, OneWritableVariableGetsASetButtonAndNoCheckBoxes)
{
    constexpr QxSNMPVarItem items[] = {
        {"1.3.6.1.4.1.32473.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
        {"1.3.6.1.4.1.32473.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
        {},
    };
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, items));
    TCtrlBtnPanel *bar = page->ctrlBtnPanel();
    EXPECT_TRUE(shown(bar->setCheckedButton()));
    EXPECT_EQ(bar->setCheckedButton()->text(), "Set");
    EXPECT_TRUE(bar->setCheckedButton()->isEnabled());
    EXPECT_FALSE(shown(bar->checkAllButton()));
    EXPECT_FALSE(shown(bar->clearChecksButton()));
    TEditsPanel *edits = page->editsPanel();
    EXPECT_FALSE(shown(edits->checkBox(0)));
    EXPECT_FALSE(shown(edits->checkBox(1)));
    EXPECT_TRUE(edits->isTicked(1)); // Set writes that row
    EXPECT_FALSE(edits->edit(1)->isReadOnly());
}

TEST(TConfigFormPanels, TicksEnableAndDisableSetChecked)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kMixed));
    TCtrlBtnPanel *bar = page->ctrlBtnPanel();
    TEditsPanel *edits = page->editsPanel();
    EXPECT_EQ(bar->setCheckedButton()->text(), "Set Checked");
    EXPECT_FALSE(bar->setCheckedButton()->isEnabled());
    EXPECT_TRUE(shown(bar->checkAllButton()));
    EXPECT_EQ(edits->row(2).kind, TEditsPanel::DropDown);
    EXPECT_EQ(edits->comboBox(2)->count(), 2);

    edits->checkBox(1)->click();
    EXPECT_TRUE(bar->setCheckedButton()->isEnabled());
    edits->checkBox(1)->click();
    EXPECT_FALSE(bar->setCheckedButton()->isEnabled());

    bar->checkAllButton()->click();
    EXPECT_TRUE(bar->setCheckedButton()->isEnabled());
    EXPECT_TRUE(edits->isTicked(1) && edits->isTicked(2) && edits->isTicked(3));
    EXPECT_FALSE(edits->isTicked(0)); // read-only rows take no tick
    bar->clearChecksButton()->click();
    EXPECT_FALSE(bar->setCheckedButton()->isEnabled());
    EXPECT_FALSE(edits->isTicked(1) || edits->isTicked(2) || edits->isTicked(3));
}

TEST(TConfigFormPanels, WrongUsesRaiseTheirTexts)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kMixed));
    EXPECT_EQ(usageError([&] { form.CreateEditorPanel(controllerFor(&form, kReadOnly)); }),
              "Can not change Type of a Config Form!");
    EXPECT_EQ(usageError([&] { form.CreateListViewPanel(controllerFor(&form, kReadOnly), -1, {}, -1, {}); }),
              "Can not change Type of a Config Form!");
    EXPECT_EQ(form.pageKind(), TConfigForm::EditorPage);
    EXPECT_EQ(form.controllerCount(), 1);
    EXPECT_EQ(form.panel(), page);

    EXPECT_EQ(usageError([&] { page->setVarFormat(2, "%i{n1x10l2}"); }), "Can not set Var format to a ComboBox!");
    // The drop-down row keeps its binding.
    EXPECT_TRUE(form.controller()->isBound(2));
    EXPECT_EQ(usageError([&] { page->setVarFormat(4, "%s{l8}"); }), "Unknow UI Control type!");
    EXPECT_EQ(usageError([&] { page->makePortListRow(2, 12, 28); }), "You can only assign Octet Item to a Edit!");
    EXPECT_TRUE(usageError([&] { page->setVarFormat(1, "%i{n1x500l3}"); }).isEmpty());
    EXPECT_EQ(page->editsPanel()->row(1).format, "%i{n1x500l3}");

    TEditsPanel orphan(nullptr, nullptr);
    TCtrlBtnPanel bar(nullptr);
    EXPECT_EQ(usageError([&] { orphan.ArrangeCtrlBtn(&bar); }), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");

    TConfigForm table(nullptr);
    EXPECT_EQ(usageError([&] {
                  table.CreateListViewPanel(controllerFor(&table, kTrustHosts, MVT_UMV, 1), 3, "createAndGone", 3,
                                            "destroy");
              }),
              "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGone");
    TConfigForm table2(nullptr);
    EXPECT_EQ(usageError([&] {
                  table2.CreateListViewPanel(controllerFor(&table2, kTrustHosts, MVT_UMV, 1), 3, "createAndGo", 1,
                                             "destroy");
              }),
              "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy");
}

TEST(TConfigFormPanels, RowIndexBeyondTheRowsIsReported)
{
    TConfigForm form(nullptr);
    MessageRecorder answers;
    form.setMessages(answers.messages());
    auto *page = static_cast<TSNMPEditorPanel *>(form.CreateEditorPanel(controllerFor(&form, kMixed)));
    page->editsPanel()->disableRow(5);
    page->editsPanel()->enableRow(-1);
    EXPECT_EQ(answers.shown, (QStringList{"aIdx is overtop!\n you may define < 5", "aIdx is overtop!\n you may define < 5"}));
}

TEST(TConfigFormPanels, RowsAreLaidOutUnderEachOther)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kMixed));
    TEditsPanel *edits = page->editsPanel();
    int widest = 0;
    for (int i = 0; i < edits->rowCount(); ++i)
        widest = std::max(widest, edits->row(i).caption->width());
    const int valueLeft = 20 + 20 + 5 + widest + 5;
    int top = 20;
    for (int i = 0; i < edits->rowCount(); ++i) {
        const QWidget *value = edits->row(i).valueControl;
        EXPECT_EQ(value->x(), valueLeft) << i;
        EXPECT_EQ(value->y(), top) << i;
        EXPECT_EQ(value->width(), TEditsPanel::DefaultValueWidth);
        EXPECT_GE(value->height(), 20);
        EXPECT_EQ(edits->checkBox(i)->x(), 20);
        top += value->height() + 5;
    }
    EXPECT_EQ(edits->sizeHint().width(), valueLeft + TEditsPanel::DefaultValueWidth + 40);

    page->setValueWidth(150);
    EXPECT_EQ(edits->row(1).valueControl->width(), 150);
    EXPECT_EQ(edits->sizeHint().width(), valueLeft + 150 + 40);
    // The dialog holds the page: content, bar and splitter side by side.
    EXPECT_GE(form.width(), edits->sizeHint().width() + TCtrlBtnPanel::BarWidth);

    edits->hideRow(1);
    edits->layoutRows();
    EXPECT_TRUE(form.controller()->varList().item(1).has(QxAccess::hidden));
    EXPECT_EQ(edits->row(2).valueControl->y(), 20 + edits->row(0).valueControl->height() + 5);
    edits->showRow(1);
    EXPECT_FALSE(form.controller()->varList().item(1).has(QxAccess::hidden));

    edits->setWarning("Warning:The TPID is a global setting!", QColor(255, 0, 0), 10);
    ASSERT_FALSE(edits->warningLabel()->isHidden());
    EXPECT_EQ(edits->warningLabel()->x(), 20);
    const int lowest = edits->row(edits->rowCount() - 1).valueControl->geometry().bottom() + 1;
    EXPECT_EQ(edits->warningLabel()->y(), lowest + 40 - 15);
    EXPECT_GE(edits->sizeHint().height(), edits->warningLabel()->geometry().bottom() + 1);
    EXPECT_EQ(edits->warningLabel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(edits->warningLabel()->font().pointSize(), 10);
}

TEST(TConfigFormPanels, LargePagesAreCappedAt800By550)
{
    std::vector<QxSNMPVarItem> items;
    std::vector<QByteArray> oids;
    for (int i = 0; i < 40; ++i)
        oids.push_back("1.3.6.1.4.1.32473.9." + QByteArray::number(i + 1));
    for (int i = 0; i < 40; ++i)
        items.push_back({oids[size_t(i)].constData(), "A rather long caption for a variable", QxSyntax::integer,
                         QxAccess::readwrite});
    items.push_back({});
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, items.data()));
    EXPECT_GT(page->neededSize().height(), 550);
    EXPECT_LE(form.height(), 550);
    page->setValueWidth(600);
    EXPECT_GT(page->neededSize().width(), 800);
    EXPECT_GT(page->neededSize().height(), 550);
    EXPECT_LE(form.width(), 800);
    EXPECT_LE(form.height(), 550);
}

TEST(TConfigFormPanels, ClearValuesEmptiesControlsAndTexts)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kMixed));
    QxSNMPRequest2Edits *c = form.controller();
    for (int i = 0; i < c->varList().count(); ++i)
        c->varList().item(i).valueText = i == 2 || i == 4 ? "enabled" : "12";
    c->showValues();
    EXPECT_EQ(page->editsPanel()->comboBox(2)->currentText(), "enabled");
    EXPECT_EQ(page->editsPanel()->edit(4)->text(), "enabled");
    page->editsPanel()->clearValues();
    EXPECT_EQ(page->editsPanel()->comboBox(2)->currentIndex(), -1);
    EXPECT_TRUE(page->editsPanel()->edit(1)->text().isEmpty());
    for (int i = 0; i < c->varList().count(); ++i)
        EXPECT_TRUE(c->varList().item(i).valueText.isEmpty());
}

TEST(TConfigFormPanels, PortListWindowEditsTheBits)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kPorts));
    QxSNMPRequest2Edits *c = form.controller();
    c->varList().item(0).valueText = "80000010";
    c->varList().item(1).valueText = "C0000000";
    c->showValues();
    page->makePortListRow(0, 12, 28);
    page->makePortListRow(1, 12, 28);
    TEditsPanel *edits = page->editsPanel();
    EXPECT_TRUE(edits->edit(0)->isReadOnly());

    int runs = 0;
    edits->setPortListRunner([&](QDialog &d) {
        auto &window = static_cast<TPortListForm &>(d);
        ++runs;
        EXPECT_EQ(window.windowTitle(), "Member Ports");
        EXPECT_EQ(window.boxes().size(), 28);
        EXPECT_TRUE(window.writable());
        EXPECT_TRUE(window.boxes().at(0)->isChecked());
        EXPECT_TRUE(window.boxes().at(27)->isChecked()); // bit 27: 0x10 of octet 3
        EXPECT_FALSE(window.boxes().at(1)->isChecked());
        // 12 to a row: port 13 starts the second row under port 1.
        EXPECT_EQ(window.boxes().at(12)->x(), window.boxes().at(0)->x());
        EXPECT_GT(window.boxes().at(12)->y(), window.boxes().at(0)->y());
        EXPECT_EQ(window.boxes().at(1)->x(), window.boxes().at(0)->x() + 20);
        window.clearChecksButton()->click();
        window.boxes().at(1)->setChecked(true);
        window.boxes().at(8)->setChecked(true);
        // Every button fits in the window.
        EXPECT_LE(window.clearChecksButton()->geometry().right(), window.width());
        window.okButton()->click();
        return int(window.result());
    });
    edits->openPortList(0);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(c->varList().item(0).valueText, "40800000");
    EXPECT_EQ(edits->edit(0)->text(), "40800000");

    // Cancel keeps the value.
    edits->setPortListRunner([&](QDialog &d) {
        auto &window = static_cast<TPortListForm &>(d);
        window.checkAllButton()->click();
        window.cancelButton()->click();
        return int(window.result());
    });
    edits->openPortList(0);
    EXPECT_EQ(c->varList().item(0).valueText, "40800000");

    // A read-only variable: disabled boxes and OK alone.
    edits->setPortListRunner([&](QDialog &d) {
        auto &window = static_cast<TPortListForm &>(d);
        EXPECT_FALSE(window.writable());
        for (QCheckBox *box : window.boxes())
            EXPECT_FALSE(box->isEnabled());
        EXPECT_TRUE(window.boxes().at(0)->isChecked());
        EXPECT_TRUE(window.boxes().at(1)->isChecked());
        EXPECT_EQ(window.cancelButton(), nullptr);
        EXPECT_EQ(window.checkAllButton(), nullptr);
        EXPECT_EQ(window.clearChecksButton(), nullptr);
        EXPECT_EQ(window.findChildren<QPushButton *>().size(), 1);
        window.okButton()->click();
        return 1;
    });
    // A key pressed in the field opens the window too.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(edits->edit(1), &key);
    EXPECT_EQ(c->varList().item(1).valueText, "C0000000");
    EXPECT_EQ(edits->edit(1)->text(), "C0000000");
    // The edit is bound again with its format after the window.
    EXPECT_TRUE(c->isBound(0));
    EXPECT_TRUE(c->isBound(1));
    EXPECT_TRUE(c->constraint().isRegistered(edits->edit(0)));

    // Other keys are the dialog's: Escape does not open the window but goes on to
    // the dialog, which it closes.
    int opened = 0;
    edits->setPortListRunner([&](QDialog &) { return ++opened, 0; });
    form.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(edits->edit(1), &escape);
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(form.isVisible());
}

TEST(TConfigFormPanels, TablePageButtonsHintAndExport)
{
    TConfigForm form(nullptr);
    TSNMPListViewPanel *page =
        form.CreateListViewPanel(controllerFor(&form, kTrustHosts, MVT_UMV, 1), 3, "createAndGo", 3, "destroy");
    EXPECT_EQ(form.pageKind(), TConfigForm::TablePage);
    TCtrlBtnPanel *bar = page->ctrlBtnPanel();
    for (QWidget *w : {static_cast<QWidget *>(bar->countBox()), static_cast<QWidget *>(bar->countLabel()),
                       static_cast<QWidget *>(bar->refreshButton()), static_cast<QWidget *>(bar->editButton()),
                       static_cast<QWidget *>(bar->addButton()), static_cast<QWidget *>(bar->deleteButton()),
                       static_cast<QWidget *>(bar->closeButton())})
        EXPECT_TRUE(shown(w)) << w->objectName().toStdString();
    for (QWidget *w : {static_cast<QWidget *>(bar->setCheckedButton()), static_cast<QWidget *>(bar->checkAllButton()),
                       static_cast<QWidget *>(bar->clearChecksButton())})
        EXPECT_FALSE(shown(w)) << w->objectName().toStdString();
    EXPECT_FALSE(bar->editButton()->isEnabled());
    EXPECT_FALSE(bar->deleteButton()->isEnabled());
    EXPECT_TRUE(page->editsPanel()->isHidden());
    EXPECT_EQ(form.panel()->contentControl(), page->listViewPanel());
    EXPECT_LE(page->listViewPanel()->sizeHint().width(), TListViewPanel::MaxWidth);
    EXPECT_EQ(page->listViewPanel()->sizeHint().height(), TListViewPanel::PanelHeight);

    QTreeWidget *lv = page->listViewPanel()->listView();
    ASSERT_EQ(lv->columnCount(), 4);
    lv->addTopLevelItem(new QTreeWidgetItem(QStringList{"1", "10.0.0.1", "255.0.0.0", "active"}));
    lv->addTopLevelItem(new QTreeWidgetItem(QStringList{"2", "say \"hi\", world", "line\nbreak", "\u00e4ctive"}));
    EXPECT_EQ(bar->countBox()->text(), "2");

    lv->topLevelItem(0)->setSelected(true);
    page->LVClick();
    EXPECT_TRUE(bar->editButton()->isEnabled());
    EXPECT_TRUE(bar->deleteButton()->isEnabled());
    EXPECT_EQ(page->listViewPanel()->selectedRowsText(), "1\t10.0.0.1\t255.0.0.0\tactive\n");
    lv->clearSelection();
    page->LVClick();
    EXPECT_FALSE(bar->editButton()->isEnabled());
    EXPECT_FALSE(bar->deleteButton()->isEnabled());

    // Captions padded with tabs to the longest ("IP Address", "Subnet Mask", "Row Status" are 10-11 long).
    EXPECT_EQ(page->listViewPanel()->hintText(lv->topLevelItem(0)),
              QString("Index") + QString(6, '\t') + "  1\n" + "IP Address\t  10.0.0.1\n" + "Subnet Mask  255.0.0.0\n"
                  + "Row Status\t  active\n");

    const QString csv = page->listViewPanel()->csvText();
    EXPECT_EQ(csv, "Index,IP Address,Subnet Mask,Row Status\r\n"
                   "1,10.0.0.1,255.0.0.0,active\r\n"
                   "2,\"say \"\"hi\"\", world\",\"line\nbreak\",\u00e4ctive\r\n");
    QTemporaryDir dir;
    const QString path = dir.filePath("hosts.csv");
    page->listViewPanel()->setFileAsker([&](QWidget *) { return path; });
    page->listViewPanel()->exportCsvAsked();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), csv.toUtf8());

    page->hideEdit();
    EXPECT_FALSE(shown(bar->editButton()));
    int runs = 0;
    page->setDialogRunner([&](QDialog &) { return ++runs; });
    lv->topLevelItem(0)->setSelected(true);
    page->LVDblClick();
    EXPECT_EQ(runs, 0);
}

TEST(TConfigFormPanels, ReadOnlyTableHidesEditButDoubleClickStillEdits)
{
    constexpr QxSNMPVarItem items[] = {
        {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
        {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
        {},
    };
    TConfigForm form(nullptr);
    form.setWindowTitle("Interfaces : 127.0.0.1");
    TSNMPListViewPanel *page = form.CreateListViewPanel(controllerFor(&form, items, MVT_FMV, 1), -1, {}, -1, {});
    TCtrlBtnPanel *bar = page->ctrlBtnPanel();
    EXPECT_FALSE(shown(bar->editButton()));
    EXPECT_FALSE(shown(bar->addButton()));
    EXPECT_FALSE(shown(bar->deleteButton()));
    QTreeWidget *lv = page->listViewPanel()->listView();
    lv->addTopLevelItem(new QTreeWidgetItem(QStringList{"1", "eth0"}));
    lv->topLevelItem(0)->setSelected(true);
    form.controller()->setAsynchronous(false);
    QString caption;
    page->setDialogRunner([&](QDialog &d) {
        caption = d.windowTitle();
        return 0;
    });
    // The refresh after the dialog finds no agent: its error goes to the status line.
    form.controller()->request().timeout = 10;
    form.controller()->request().retries = 0;
    form.controller()->request().device.port = 9;
    page->LVDblClick();
    EXPECT_EQ(caption, "Interfaces : 127.0.0.1");
    EXPECT_TRUE(page->editsPanel()->isHidden());
    EXPECT_EQ(page->editsPanel()->parentWidget(), page->contentPanel());
}

TEST(TConfigFormPanels, CloseButtonEndsTheDialogAndItsController)
{
    TConfigForm form(nullptr);
    TSNMPEditorPanel *page = form.CreateEditorPanel(controllerFor(&form, kMixed));
    form.show();
    ASSERT_EQ(form.controllerCount(), 1);
    page->ctrlBtnPanel()->closeButton()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.controllerCount(), 0);
    EXPECT_EQ(page->controller(), nullptr);
    // The page outlives its controller without touching it.
    page->RefreshBtnClick();
    page->SetCheckedBtnClick();
}

TEST(TConfigFormPanels, RefreshErrorsGoToTheStatusLine)
{
    QTemporaryDir counterDir;
    initializeSession(counterDir.path());
    TConfigForm form(nullptr);
    auto controller = controllerFor(&form, kReadOnly);
    controller->setAsynchronous(false);
    controller->request().device.port = 9; // nothing answers there
    controller->request().timeout = 10;
    controller->request().retries = 0;
    TSNMPEditorPanel *page = form.CreateEditorPanel(std::move(controller));
    form.FormRefresh();
    page->RefreshBtnClick();
    const QStringList lines = page->msgPanel()->memo()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.at(0).startsWith("Get: (SNMPClass) SNMP request timed out!. No answer at "))
        << lines.at(0).toStdString();
    // The same line twice, but for the time of day each ends with.
    const auto withoutTime = [](const QString &line) { return line.left(line.lastIndexOf(" at ")); };
    EXPECT_EQ(withoutTime(lines.at(0)), withoutTime(lines.at(1)));
}

} // namespace
