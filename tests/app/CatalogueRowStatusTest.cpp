// Tables of the catalogue that carry a RowStatus column take rows and give them
// up again on the simulator; "Server Group" does it through its dialog. Each
// test has a simulator of its own, since rows are created and destroyed.
#include "common/MessageRecorder.h"
#include "common/SimulatorProcess.h"

#include "app/GenericCommand.h"
#include "app/ModuleFolder.h"
#include "common/PlacedRecords.h"
#include "app/core/RegistryStore.h"
#include "app/TMainForm.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "tables/CommandCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include "common/TestSupport.h"

namespace {

using TestSupport::waitUntil;

struct Command
{
    QString path;
    const CommandRecord *record;
};

// Every menu item that is no submenu, with its menu path.
std::vector<Command> commands()
{
    std::vector<Command> found;
    for (const PlacedRecords::Placed &p : PlacedRecords::place(CommandCatalogue::groups()))
        if (p.record->shape != CommandShape::Menu)
            found.push_back({p.path.join(" > "), p.record});
    return found;
}

const CommandRecord *commandAt(const QString &path)
{
    for (const Command &c : commands())
        if (c.path == path)
            return c.record;
    return nullptr;
}

// A main window whose launch values and settings file name a private simulator.
class PrivateSwitch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!sim.running())
            GTEST_SKIP() << "the simulator is not built";
        savedDevice = defaultDevice;
        savedSecurity = defaultSecurity;
        savedScope = defaultScope;
        ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), sim.port(), 0));
        registry = std::make_unique<RegistryStore>(dir.filePath("registry.ini"));
        mainForm = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, *registry,
                                               nullptr, dir.path());
        ASSERT_EQ(defaultDevice.port, sim.port());
    }
    void TearDown() override
    {
        mainForm.reset();
        registry.reset();
        if (sim.running()) {
            defaultDevice = savedDevice;
            defaultSecurity = savedSecurity;
            defaultScope = savedScope;
        }
    }
    // The instances of every row the table holds now.
    static QSet<QString> rowsOf(const CommandRecord &record)
    {
        QxSNMPRequest r;
        r.varList() = QxSNMPVarList(record.items, record.kind, record.keyCount);
        QSet<QString> rows;
        for (bool more = r.readRow(true); more && rows.size() < 2000; more = r.readRow(false))
            rows.insert(r.encodeRowIndex());
        return rows;
    }

    SimulatorProcess sim;
    QTemporaryDir dir;
    std::unique_ptr<RegistryStore> registry;
    std::unique_ptr<TMainForm> mainForm;
    QxSNMPDevice savedDevice;
    QxSNMPSecurity savedSecurity;
    QxSNMPScope savedScope;
};

// snmpEngineID of the agent, as hexadecimal text.
QString localEngineId()
{
    static constexpr QxSNMPVarItem engine[] = {
        {"1.3.6.1.6.3.10.2.1.1", "Engine ID", QxSyntax::octetstr, QxAccess::readonly},
        {},
    };
    QxSNMPRequest r;
    r.varList() = QxSNMPVarList(engine, SVT_SV, 0);
    r.readRow(true);
    return r.varList().item(0).valueText;
}

// A key value of the kind the switch would take; `n` varies the first key.
QString keyText(const QxSNMPVarItem &key, int n, bool first)
{
    using namespace QxSyntax;
    switch (key.syntax) {
    case ipaddress: return QStringLiteral("10.90.90.%1").arg(first ? 10 + n : 10);
    case macaddress: return QStringLiteral("0011223344%1").arg(first ? 16 + n : 16, 2, 16, QLatin1Char('0')).toUpper();
    case objectid: return QStringLiteral("1.3.6.1.4.%1").arg(first ? n : 1);
    case octetstr: case bitstr: case opaque: return QStringLiteral("6E7874657374%1").arg(first ? 30 + n : 30);
    case displaystr: return QStringLiteral("nxtest%1").arg(first ? n : 1);
    default: return QString::number(first ? n : 1);
    }
}

TEST_F(PrivateSwitch, EveryRowStatusTableCreatesAndDestroysARow)
{
    int tables = 0;
    for (const Command &c : commands()) {
        const CommandRecord &record = *c.record;
        if (record.shape != CommandShape::Table || record.rowStatusColumn < 0 || record.kind == SVT_SV)
            continue;
        SCOPED_TRACE(c.path.toStdString());
        ++tables;
        try {
            const QSet<QString> before = rowsOf(record);
            QxSNMPRequest r;
            r.varList() = QxSNMPVarList(record.items, record.kind, record.keyCount);
            QString instance;
            for (int n = 1; n <= 16 && instance.isEmpty(); ++n) {
                for (int k = 0; k < record.keyCount; ++k)
                    r.varList().item(k).valueText = keyText(record.items[k], n, k == 0);
                if (!before.contains(r.encodeRowIndex()))
                    instance = r.encodeRowIndex();
            }
            ASSERT_FALSE(instance.isEmpty());
            const QString status = QString::number(record.rowStatusColumn);
            // Tables of the agent's own USM and VACM want what a user would give with the new row.
            if (c.path == "SNMP V3 > User-based Security Model > User Table") {
                const QString clone = "1.3.6.1.6.3.15.1.2.2.1.3." + *before.begin();
                r.varList().item(0).valueText = localEngineId();
                instance = r.encodeRowIndex();
                r.writeRow("3," + status, {clone, "createAndGo"});
            } else if (c.path == "SNMP V3 > View-base Access Control Mode > Security Group Table") {
                r.writeRow("2," + status, {"nxgroup", "createAndGo"});
            } else {
                r.writeRow(status, {"createAndGo"});
            }
            const QSet<QString> added = rowsOf(record);
            EXPECT_TRUE(added.contains(instance)) << instance.toStdString();
            EXPECT_EQ(added.size(), before.size() + 1);
            r.writeRow(status, {"destroy"});
            EXPECT_EQ(rowsOf(record), before);
        } catch (const QxSNMPException &e) {
            ADD_FAILURE() << e.code() << " " << e.text().toStdString();
        }
    }
    EXPECT_GE(tables, 10);
}

QTreeWidgetItem *rowNamed(TSNMPListViewPanel *page, const QString &key)
{
    QTreeWidget *lv = page->listViewPanel()->listView();
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        if (lv->topLevelItem(i)->text(0) == key)
            return lv->topLevelItem(i);
    return nullptr;
}

TEST_F(PrivateSwitch, ServerGroupAddsAndDeletesAGroupThroughItsDialog)
{
    const CommandRecord *record = commandAt("Security Management > AAC  > Server Group");
    ASSERT_NE(record, nullptr);
    GenericCommand command(*record, *mainForm);
    std::unique_ptr<TConfigForm> form = command.build();
    EXPECT_EQ(form->windowTitle(), "AAC Server Table: 127.0.0.1");
    MessageRecorder answers;
    form->setMessages(answers.messages());
    auto *page = qobject_cast<TSNMPListViewPanel *>(form->panel());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->listViewPanel()->addStatusColumn(), 17);
    EXPECT_EQ(page->listViewPanel()->addStatusText(), "createAndGo");
    EXPECT_EQ(page->listViewPanel()->deleteStatusColumn(), 17);
    EXPECT_EQ(page->listViewPanel()->deleteStatusText(), "destroy");
    EXPECT_TRUE(page->ctrlBtnPanel()->editButton()->isHidden());
    EXPECT_FALSE(page->ctrlBtnPanel()->addButton()->isHidden());
    EXPECT_FALSE(page->ctrlBtnPanel()->deleteButton()->isHidden());

    form->show();
    QxSNMPRequest2Edits *c = form->controller();
    QPlainTextEdit *memo = form->panel()->msgPanel()->memo();
    ASSERT_TRUE(waitUntil([&] { return !memo->toPlainText().isEmpty() && !c->busy(); }));
    EXPECT_TRUE(memo->toPlainText().startsWith("Get: Ok")) << memo->toPlainText().toStdString();
    const QSet<QString> before = rowsOf(*record);
    ASSERT_EQ(rowNamed(page, "nxgroup"), nullptr);

    TEditsPanel *edits = page->editsPanel();
    int dialogs = 0;
    page->setDialogRunner([&](QDialog &dialog) {
        ++dialogs;
        EXPECT_TRUE(edits->isTicked(17));
        EXPECT_EQ(edits->comboBox(17)->currentText(), "createAndGo");
        edits->edit(0)->setText("nxgroup");
        edits->edit(1)->setText("10.9.9.1");
        edits->checkBox(1)->click();
        dialog.findChild<TCtrlBtnPanel *>()->setCheckedButton()->click();
        return dialog.result();
    });
    page->AddBtnClick();
    EXPECT_TRUE(waitUntil([&] { return !c->busy() && rowNamed(page, "nxgroup"); }));
    EXPECT_EQ(dialogs, 1);
    // "nxgroup" as an IMPLIED key: its octets without a length.
    const QString row = "110.120.103.114.111.117.112";
    const QSet<QString> added = rowsOf(*record);
    EXPECT_TRUE(added.contains(row));
    EXPECT_EQ(added.size(), before.size() + 1);
    ASSERT_NE(rowNamed(page, "nxgroup"), nullptr);
    EXPECT_EQ(rowNamed(page, "nxgroup")->text(1), "10.9.9.1");

    rowNamed(page, "nxgroup")->setSelected(true);
    page->LVClick();
    page->DeleteBtnClick();
    EXPECT_TRUE(waitUntil([&] { return !c->busy() && !rowNamed(page, "nxgroup"); }));
    EXPECT_EQ(rowsOf(*record), before);
    form->close();
}

TEST_F(PrivateSwitch, LldpStatisticsIsATablePageOverScalars)
{
    const CommandRecord *record = nullptr;
    for (const Command &c : commands())
        if (c.path.startsWith("Layer 2 Management > ") && c.path.endsWith("> Statistics Information"))
            record = c.record;
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->shape, CommandShape::Table);
    EXPECT_EQ(record->kind, SVT_SV);
    GenericCommand command(*record, *mainForm);
    std::unique_ptr<TConfigForm> form = command.build();
    EXPECT_EQ(form->pageKind(), TConfigForm::TablePage);
    EXPECT_NE(qobject_cast<TSNMPListViewPanel *>(form->panel()), nullptr);
    form->show();
    QPlainTextEdit *memo = form->panel()->msgPanel()->memo();
    ASSERT_TRUE(waitUntil([&] { return !memo->toPlainText().isEmpty() && !form->controller()->busy(); }));
    EXPECT_TRUE(memo->toPlainText().startsWith("Get: Ok")) << memo->toPlainText().toStdString();
    form->close();
}

TEST(CatalogueLayer3, NothingUnderLayer3ManagementOpensAnything)
{
    int items = 0;
    for (const Command &c : commands())
        if (c.path.startsWith("Layer 3 Management > ")) {
            ++items;
            EXPECT_EQ(c.record->shape, CommandShape::Nothing) << c.path.toStdString();
            EXPECT_EQ(c.record->items, nullptr);
            EXPECT_EQ(c.record->target, nullptr);
        }
    EXPECT_GT(items, 0);
}

} // namespace
