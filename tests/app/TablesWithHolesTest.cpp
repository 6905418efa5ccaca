// Tables that lack some cells, as real switches serve them: a recording of a
// stacked switch's interfaces (59, the CPU and VLAN interfaces without some
// counters) and of its spanning-tree ports. What nx2400p-cli shows must be,
// cell by cell, what net-snmp's snmptable shows (which reads holes as they
// are), over GET-NEXT, in bulk and over SNMPv1; the table page shows the same
// rows; and a row's Set leaves out the cells the row does not have.
#include "EnterpriseBase.h"
#include "common/CliResult.h"
#include "common/MessageRecorder.h"
#include "common/PlacedRecords.h"
#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "app/GenericCommand.h"
#include "app/ModuleFolder.h"
#include "app/TMainForm.h"
#include "app/core/RegistryStore.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxSNMPVariable.h"
#include "snmp/QxTimeTicks.h"
#include "tables/CommandCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Row = QStringList; // the key, then one text per walked column ("?": no value)

const CommandRecord &command(const QString &path)
{
    for (const PlacedRecords::Placed &p : PlacedRecords::place(CommandCatalogue::groups()))
        if (p.path.join(" > ") == path)
            return *p.record;
    ADD_FAILURE() << path.toStdString();
    static const CommandRecord none{};
    return none;
}

const QString kIfX = "Basic Configuration > IF-MIB > IfX Table";
const QString kStpPorts = "Bridge > Spanning Tree > Port State Information";

// The interfaces of two stacked units, the CPU and two VLANs, and the cells
// each lacks: column number -> rows without it.
const QList<int> kInterfaces = [] {
    QList<int> rows;
    for (int unit : {0, 64})
        for (int port = 1; port <= 28; ++port)
            rows << unit + port;
    return rows << 1024 << 5121 << 5130;
}();
const QMap<int, QSet<int>> kIfXHoles = {
    {2, {5121, 5130}}, {3, {5121, 5130}}, {4, {5121, 5130}}, {5, {5121, 5130}}, {6, {1024}}, {7, {1024}},
    {8, {1024}}, {9, {1024}}, {10, {1024}}, {11, {1024}}, {12, {1024}}, {13, {1024}}, {14, {1024}},
    {17, {91, 92}}, {19, {1}},
};
const QMap<int, QSet<int>> kStpHoles = {{2, {1}}, {3, {25, 26}}, {5, {25, 26}}, {7, {25, 26}}, {14, {28}}};

QString expanded(const char *oid)
{
    return QxSNMPVariable::expandOid(oid);
}

int columnOf(const QxSNMPVarItem &item)
{
    return expanded(item.oid).section('.', -1).toInt();
}

// The state a switch would be recorded in: every readable column of the
// command's table for every row, but the holes; values that tell row and
// column apart.
QString recording(const CommandRecord &record, const QList<int> &rows, const QMap<int, QSet<int>> &holes)
{
    QString text;
    for (const QxSNMPVarItem *item = record.items + record.keyCount; item->oid; ++item) {
        const int column = columnOf(*item);
        for (int row : rows) {
            if (holes.value(column).contains(row))
                continue;
            const QString oid = expanded(item->oid) + '.' + QString::number(row);
            const int number = row * 100 + column;
            if (item->optionList)
                text += oid + "|2|" + item->optionList->item(row % item->optionList->count()).valueText() + '\n';
            else if (item->syntax == QxSyntax::displaystr)
                text += oid + "|4|if" + QString::number(number) + '\n';
            else if (item->syntax == QxSyntax::counter)
                text += oid + "|65|" + QString::number(number) + '\n';
            else if (item->syntax == QxSyntax::counter64)
                text += oid + "|70|" + QString::number(number * 1000000000LL) + '\n';
            else if (item->syntax == QxSyntax::guage)
                text += oid + "|66|" + QString::number(number) + '\n';
            else if (item->syntax == QxSyntax::timeticks)
                text += oid + "|67|" + QString::number(number) + '\n';
            else
                text += oid + "|2|" + QString::number(number) + '\n';
        }
    }
    return text;
}

// A MIB module that tells snmptable the command's table: its columns with
// their types, indexed by one integer.
QString mibOf(const CommandRecord &record, const QString &name)
{
    const auto arcs = [](const QString &oid) { return "{ iso " + oid.mid(2).replace('.', ' ') + " }"; };
    const QString entry = expanded(record.items[record.keyCount].oid).section('.', 0, -2);
    QString columns;
    QString sequence;
    for (const QxSNMPVarItem *item = record.items + record.keyCount; item->oid; ++item) {
        const QString type = item->syntax == QxSyntax::displaystr  ? "OCTET STRING"
                             : item->syntax == QxSyntax::counter   ? "Counter32"
                             : item->syntax == QxSyntax::counter64 ? "Counter64"
                             : item->syntax == QxSyntax::guage     ? "Gauge32"
                             : item->syntax == QxSyntax::timeticks ? "TimeTicks"
                                                                   : "INTEGER";
        const QString column = QString("c%1").arg(columnOf(*item));
        sequence += QString(sequence.isEmpty() ? "" : ", ") + column + ' ' + type;
        columns += column + " OBJECT-TYPE SYNTAX " + type + " ACCESS read-only STATUS mandatory ::= "
                   + arcs(expanded(item->oid)) + '\n';
    }
    return name + " DEFINITIONS ::= BEGIN\n"
           + "holesTable OBJECT-TYPE SYNTAX SEQUENCE OF HolesEntry ACCESS not-accessible STATUS mandatory ::= "
           + arcs(entry.section('.', 0, -2)) + '\n'
           + "holesEntry OBJECT-TYPE SYNTAX HolesEntry ACCESS not-accessible STATUS mandatory INDEX { holesIndex } ::= "
           + arcs(entry) + '\n' + "HolesEntry ::= SEQUENCE { " + sequence + " }\n"
           + "holesIndex OBJECT-TYPE SYNTAX INTEGER ACCESS not-accessible STATUS mandatory ::= "
           + arcs(expanded(record.items[0].oid)) + '\n' + columns + "END\n";
}

class TablesWithHoles : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        QFile state(folder->filePath("recording.snmprec"));
        ASSERT_TRUE(state.open(QIODevice::WriteOnly));
        state.write((recording(command(kIfX), kInterfaces, kIfXHoles)
                     + recording(command(kStpPorts), kInterfaces.mid(0, 28), kStpHoles))
                        .toLatin1());
        state.close();
        for (const auto &[path, name] : {std::pair{kIfX, QString("NXIFX-MIB")}, {kStpPorts, QString("NXSTP-MIB")}}) {
            QFile mib(folder->filePath(name + ".txt"));
            ASSERT_TRUE(mib.open(QIODevice::WriteOnly));
            mib.write(mibOf(command(path), name).toLatin1());
        }
        sim = std::make_unique<SimulatorProcess>(QStringList{"--state", state.fileName()});
    }
    static void TearDownTestSuite()
    {
        sim.reset();
        folder.reset();
    }
    void SetUp() override { ASSERT_TRUE(sim->running()) << "the simulator refused the recording"; }

    // What snmptable reads in bulk: the index, then each column in column
    // order, "?" where the row has no value; rows in the table's order. (Its
    // GET-NEXT mode loses a row whose first column it asks is missing, and in
    // bulk it may list a row late.)
    static QList<Row> snmptable(const QString &mib)
    {
        const CliResult r = runSnmp("snmptable", {"-v2c", "-c", "vqmtze", "-Cf", ",", "-Ci", "-Ot", "-M", folder->path(),
                                                  "-m", mib, sim->target(), mib + "::holesTable"});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        while (!lines.isEmpty() && !lines.first().startsWith("index,"))
            lines.removeFirst();
        if (lines.isEmpty())
            return {};
        // Its columns come last first: "index,c19,c18,...".
        const QStringList header = lines.takeFirst().split(',');
        QList<Row> rows;
        for (const QString &line : lines) {
            const QStringList cells = line.split(',');
            QMap<int, QString> byColumn;
            for (int k = 1; k < cells.size() && k < header.size(); ++k) {
                QString cell = cells.at(k);
                if (cell.size() >= 2 && cell.startsWith('"') && cell.endsWith('"'))
                    cell = cell.mid(1, cell.size() - 2);
                byColumn[header.at(k).mid(1).toInt()] = cell;
            }
            rows << (Row{cells.first()} + byColumn.values());
        }
        std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a[0].toInt() < b[0].toInt(); });
        return rows;
    }

    // What the module shows (the CLI's CSV or the page's list), in snmptable's
    // terms: option texts as their values, time ticks as hundredths, "?" for
    // a cell without a value.
    static QList<Row> asSnmptable(const CommandRecord &record, const QList<Row> &shown)
    {
        QList<Row> rows;
        for (Row row : shown) {
            for (int k = 1; k < row.size(); ++k) {
                const QxSNMPVarItem &item = record.items[record.keyCount + k - 1];
                QString &cell = row[k];
                if (cell == "(NULL)" || cell == "(NOTDONE)")
                    cell = "?";
                else if (item.optionList)
                    cell = item.optionList->textToValue(cell);
                else if (item.syntax == QxSyntax::timeticks)
                    cell = QString::number(QxTimeTicks::fromText(cell));
            }
            rows << row;
        }
        return rows;
    }

    static QList<Row> cliShow(const QString &path, const QStringList &options)
    {
        const CliResult r = runModuleProgram(NX_BIN_DIR "/nx2400p-cli",
                                             QStringList{"/I127.0.0.1", "--port", QString::number(sim->port()),
                                                         "/Rvqmtze"}
                                                 + options + QStringList{"show", path, "--csv"},
                                             folder->path());
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QList<Row> rows;
        for (const QString &line : r.out.split("\r\n", Qt::SkipEmptyParts).mid(1))
            rows << line.split(',');
        return rows;
    }

    static inline std::unique_ptr<QTemporaryDir> folder;
    static inline std::unique_ptr<SimulatorProcess> sim;
};

TEST_F(TablesWithHoles, CliShowsWhatSnmptableShowsOverGetNextInBulkAndSnmpV1)
{
    const CommandRecord &ifx = command(kIfX);
    const QList<Row> interfaces = snmptable("NXIFX-MIB");
    ASSERT_EQ(interfaces.size(), 59);
    // The CPU's row lacks its 64-bit counters, and the walk goes on to the VLANs.
    EXPECT_EQ(interfaces[56].mid(0, 8), Row({"1024", "if102401", "102402", "102403", "102404", "102405", "?", "?"}));
    EXPECT_EQ(asSnmptable(ifx, cliShow(kIfX, {"/v1", "--max-repetitions", "0"})), interfaces);
    EXPECT_EQ(asSnmptable(ifx, cliShow(kIfX, {"/v1"})), interfaces);
    EXPECT_EQ(asSnmptable(ifx, cliShow(kIfX, {"/v1", "--max-repetitions", "3"})), interfaces);

    const CommandRecord &stp = command(kStpPorts);
    const QList<Row> ports = snmptable("NXSTP-MIB");
    ASSERT_EQ(ports.size(), 28);
    EXPECT_EQ(ports[0][1], "?");
    EXPECT_EQ(asSnmptable(stp, cliShow(kStpPorts, {"/v0"})), ports);
}

TEST_F(TablesWithHoles, TablePageShowsTheRowsAndASetLeavesOutWhatTheRowLacks)
{
    QTemporaryDir dir;
    ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), sim->port(), 0));
    const QxSNMPDevice savedDevice = defaultDevice;
    const QxSNMPSecurity savedSecurity = defaultSecurity;
    RegistryStore registry(dir.filePath("registry.ini"));
    auto mainForm = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry,
                                                nullptr, dir.path());
    const CommandRecord &ifx = command(kIfX);
    std::unique_ptr<TConfigForm> form = GenericCommand(ifx, *mainForm).build();
    MessageRecorder boxes;
    form->setMessages(boxes.messages());
    form->show();
    QxSNMPRequest2Edits *controller = form->controller();
    auto *list = form->findChild<QTreeWidget *>();
    ASSERT_TRUE(list);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !controller->busy() && list->topLevelItemCount() == 59; }));

    QList<Row> shown;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        Row row;
        for (int c = 0; c < list->columnCount(); ++c)
            if (!list->isColumnHidden(c) && list->columnWidth(c) > 0)
                row << list->topLevelItem(r)->text(c);
        shown << row;
    }
    EXPECT_EQ(asSnmptable(ifx, shown), snmptable("NXIFX-MIB"));

    // The CPU's row has no link trap setting: a Set of the whole row writes
    // what it has and what the user typed, not a value it never had.
    list->setCurrentItem(list->topLevelItem(56));
    QStringList sent;
    auto *page = qobject_cast<TSNMPListViewPanel *>(form->panel());
    ASSERT_TRUE(page);
    page->setDialogRunner([&](QDialog &dialog) {
        dialog.findChild<QPushButton *>("btnCheckAll")->click();
        dialog.findChild<QLineEdit *>("Value18")->setText("uplink to core");
        dialog.findChild<QPushButton *>("btnSetChecked")->click();
        sent = sim->lastSet();
        return dialog.result();
    });
    page->LVClick();
    page->EditBtnClick();
    const QString promiscuous = ifx.items[16].optionList->textToValue(shown[56][16]);
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.join('\n').toStdString();
    EXPECT_EQ(sent, QStringList({QString("1.3.6.1.2.1.31.1.1.1.16.1024=2|" + promiscuous),
                                 QString("1.3.6.1.2.1.31.1.1.1.18.1024=4|uplink to core")}));
    form.reset();
    mainForm.reset();
    defaultDevice = savedDevice;
    defaultSecurity = savedSecurity;
}

} // namespace
