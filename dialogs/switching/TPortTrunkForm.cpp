#include "dialogs/switching/TPortTrunkForm.h"

#include "device/StackPort.h"
#include "device/TPortUitForm.h"
#include "tables/PortGroupDialogTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

namespace Column = PortGroupDialogTables::TrunkColumn;

constexpr DedicatedField kFields[] = {
    {Column::Index, "ED_Index", "Index(1-6)", DedicatedField::Edit, "%i{n1x6}"},
    {Column::MasterPort, "ED_MasterPort", nullptr, DedicatedField::HiddenEdit, "%i"},
    {Column::Type, "Combo_Type", "Trunk Type", DedicatedField::DropDown},
    {Column::State, "Combo_State", "Status", DedicatedField::DropDown},
    {Column::FloodingPort, "ST_FloodingPort", "Flooding Port", DedicatedField::Text},
};

constexpr int MaximumMembers = 8;
constexpr int MinimumMembers = 2;

} // namespace

TPortTrunkForm::TPortTrunkForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Port Trunk", .status = StatusOutput::StatusBar, .size = {680, 560}})
{
    runCreation([this] {
        m_table = &addBinding(PortGroupDialogTables::trunks, {.synchronous = true, .timeout = 300});
        m_list = addList(*m_table, "LV_PortTrunk");
        addFields(*m_table, kFields);
        // The master port is typed within the unit; the global number goes to
        // the hidden ED_MasterPort before a write.
        m_port = new QLineEdit;
        m_port->setObjectName(QStringLiteral("PortEdit"));
        addToEditor("Master Port", m_port);
        m_unit = new QLineEdit(QStringLiteral("1"), this);
        m_unit->setObjectName(QStringLiteral("UnitEdit"));
        m_unit->hide();
        digitsOnly(m_port);
        digitsOnly(m_unit);
        m_index = control<QLineEdit>("ED_Index");
        m_masterPort = control<QLineEdit>("ED_MasterPort");
        m_type = control<QComboBox>("Combo_Type");
        m_state = control<QComboBox>("Combo_State");
        m_members = addPortPage("Member Ports", m_table, Column::PortList);
        m_active = addPortPage("Active Ports", m_table, Column::ActivePorts);
        m_active->setReadOnly(true);
        pages()->setCurrentIndex(0);

        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnAdd = addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        m_btnSet = addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refresh();
    });
}

void TPortTrunkForm::refresh()
{
    refreshBinding(m_table);
    newGroup();
}

void TPortTrunkForm::newGroup()
{
    setKeyEditable(m_index, true);
    m_index->clear();
    clearEditor();
    m_btnSet->setEnabled(false);
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(true);
}

void TPortTrunkForm::clearEditor()
{
    m_unit->clear();
    m_port->clear();
    control<QLabel>("ST_FloodingPort")->clear();
    m_members->ClearAll();
    m_active->ClearAll();
}

void TPortTrunkForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        newGroup();
        return;
    }
    setKeyEditable(m_index, false);
    m_btnSet->setEnabled(true);
    m_btnDelete->setEnabled(true);
    m_btnAdd->setEnabled(false);
    const StackPort master = StackPort::fromGlobal(row->text(Column::MasterPort).toInt());
    m_unit->setText(QString::number(master.unit));
    m_port->setText(QString::number(master.port));
}

int TPortTrunkForm::globalMasterPort() const
{
    return StackPort::global(m_unit->text().toInt(), m_port->text().toInt());
}

bool TPortTrunkForm::masterPortValid()
{
    const int port = m_port->text().toInt();
    const bool valid = port > 0 && m_unit->text().toInt() == StackPort::unitNumber && port <= StackPort::unitPorts;
    return passes({{[valid] { return !valid; }, "set valid master port", m_port}});
}

bool TPortTrunkForm::masterPortIsMember() const
{
    const int port = m_port->text().toInt();
    return port >= 1 && port <= TPortUitForm::PortsPerUnit && m_members->checkBoxes().at(port - 1)->isChecked();
}

bool TPortTrunkForm::memberCountValid()
{
    int checked = 0;
    for (int k = 0; k < TPortUitForm::PortsPerUnit; ++k) {
        QCheckBox *box = m_members->checkBoxes().at(k);
        if (!box->isChecked())
            continue;
        if (++checked > MaximumMembers) {
            box->setChecked(false);
            inform(QStringLiteral("The trunk member can't over eight!"));
            return false;
        }
    }
    return passes({{[checked] { return checked < MinimumMembers; }, "You must choose at least two members!"}});
}

void TPortTrunkForm::add()
{
    m_unit->setText(QStringLiteral("1"));
    const auto listed = [this](int column, const QString &text) { return rowWithText(m_list, column, text) != nullptr; };
    if (!passes({
            {[this] { return m_index->text().isEmpty(); }, "The index should not be empty.", m_index},
            {[&] { return listed(Column::Index, m_index->text()); }, "The Index must be different!", m_index},
            {[this] { return m_unit->text().isEmpty(); }, "The Unit should not be empty.", m_unit},
            {[this] { return m_port->text().isEmpty(); }, "The Port should not be empty.", m_port},
        })
        || !masterPortValid()
        || !passes({
            {[this] { return m_type->currentIndex() < 0; }, "Please choose trunk type.", m_type},
            {[&] { return listed(Column::MasterPort, QString::number(globalMasterPort())); },
             "The master port must be different!", m_unit},
            {[this] { return !masterPortIsMember(); }, "Master port must be checked.", m_port},
        }))
        return;
    m_masterPort->setText(QString::number(globalMasterPort()));
    if (!memberCountValid())
        return;
    write({.binding = m_table,
           .row = DedicatedWrite::Row::New,
           .status = m_state,
           .statusItem = PortGroupDialogTables::trunkStateCreateAndGo,
           .succeeded = [this] { newGroup(); }});
}

void TPortTrunkForm::set()
{
    m_unit->setText(QStringLiteral("1"));
    if (!passes({
            {[this] { return m_index->text().isEmpty(); }, "Please select trunk group."},
            {[this] { return m_unit->text().isEmpty(); }, "The Unit Edit should not be empty"},
            {[this] { return m_port->text().isEmpty(); }, "The Port Edit should not be empty", m_port},
        })
        || !masterPortValid())
        return;
    m_masterPort->setText(QString::number(globalMasterPort()));
    if (!passes({{[this] { return !masterPortIsMember(); }, "Master port must be checked.", m_port}})
        || !memberCountValid())
        return;
    write({.binding = m_table, .row = DedicatedWrite::Row::Selected, .succeeded = [this] { newGroup(); }});
}

void TPortTrunkForm::remove()
{
    if (!passes({{[this] { return m_index->text().isEmpty(); }, "Please select trunk group.", m_index}}))
        return;
    // A group is destroyed by its index and status alone.
    write({.binding = m_table,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = {Column::MasterPort, Column::PortList, Column::Type, Column::ActivePorts, Column::FloodingPort},
           .status = m_state,
           .statusItem = PortGroupDialogTables::trunkStateDestroy,
           .succeeded = [this] { newGroup(); }});
}
