#include "dialogs/switching/TVlanStaticForm.h"

#include "device/TPortUitForm.h"
#include "tables/VlanDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Column = VlanDialogTables::StaticColumn;

constexpr DedicatedField kFields[] = {
    // Only a VLAN number can become a row instance.
    {Column::VlanId, "ED_VLANID", "VLAN ID", DedicatedField::Edit, "%i{n1x4094l4}"},
    {Column::Name, "ED_VLANName", "VLAN Name", DedicatedField::Edit},
    {Column::RowStatus, "Status", "Status", DedicatedField::DropDown},
};
constexpr DedicatedField kNextFree[] = {
    {0, "NextFreeLocalVlanIndex", "Next Free Local VLAN Index", DedicatedField::Text},
};

} // namespace

TVlanStaticForm::TVlanStaticForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "VLAN Static Form", .size = {640, 560}})
{
    runCreation([this] {
        m_table = &addBinding(VlanDialogTables::staticVlans);
        addRowCount("ST_Count2", addList(*m_table, "LV_dot1qVlanStaticEntry"));
        addFields(*m_table, kFields);
        m_egress = addPortPage("Egress Ports", m_table, Column::Egress);
        m_forbidden = addPortPage("Forbidden Egress Ports", m_table, Column::ForbiddenEgress);
        m_untagged = addPortPage("Untagged Ports", m_table, Column::Untagged);
        m_nextFree = &addBinding(VlanDialogTables::nextFreeIndex);
        addFields(*m_nextFree, kNextFree);

        addButton("Refresh", "btnRefresh", [this] {
            refreshBinding(m_nextFree);
            refreshBinding(m_table);
            clearEditor();
            buttonsFor(false);
        });
        const auto done = [this] {
            clearEditor();
            buttonsFor(false);
        };
        // Set and Delete act on the selected VLAN as it was read, whatever its ID edit shows.
        m_btnSet = addButton("Set", "btnSet", [this, done] {
            write({.binding = m_table, .row = DedicatedWrite::Row::Selected, .succeeded = done});
        });
        m_btnAdd = addButton("Add", "btnAdd", [this] {
            // The ID is the new VLAN's key.
            auto *id = control<QLineEdit>("ED_VLANID");
            if (!passes({{[id] { return id->text().isEmpty(); }, "Please specify VLAN ID", id}}))
                return;
            write({.binding = m_table,
                   .row = DedicatedWrite::Row::New,
                   .status = control<QComboBox>("Status"),
                   .statusItem = VlanDialogTables::rowStatusCreateAndGo,
                   .succeeded = [this] { clearEditor(); }});
        });
        // A row is destroyed by its status alone; its values are not sent along.
        m_btnDelete = addButton("Delete", "btnDelete", [this, done] {
            write({.binding = m_table,
                   .row = DedicatedWrite::Row::Selected,
                   .keptOut = {Column::Name, Column::Egress, Column::ForbiddenEgress, Column::Untagged},
                   .status = control<QComboBox>("Status"),
                   .statusItem = VlanDialogTables::rowStatusDestroy,
                   .succeeded = done});
        });
        refreshBinding(m_table);
        refreshBinding(m_nextFree);
        buttonsFor(false);
    });
}

void TVlanStaticForm::buttonsFor(bool rowSelected)
{
    m_btnSet->setEnabled(rowSelected);
    m_btnDelete->setEnabled(rowSelected);
    m_btnAdd->setEnabled(!rowSelected);
}

void TVlanStaticForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row)
        clearEditor();
    buttonsFor(row != nullptr);
}

void TVlanStaticForm::clearEditor()
{
    for (TPortUitForm *picker : {m_egress, m_forbidden, m_untagged})
        picker->ClearAll();
    control<QLineEdit>("ED_VLANID")->clear();
    control<QLineEdit>("ED_VLANName")->clear();
    control<QComboBox>("Status")->setCurrentIndex(-1);
}
