#include "dialogs/switching/TVLanCurrentTableForm.h"

#include "device/TPortUitForm.h"
#include "tables/VlanDialogTables.h"

#include <QLabel>
#include <QPushButton>

namespace {

namespace Column = VlanDialogTables::CurrentColumn;

constexpr DedicatedField kDeletes[] = {
    {0, "VlanNumDeletes", "VLAN Delete Numbers", DedicatedField::Text},
};
constexpr DedicatedField kFields[] = {
    {Column::VlanIndex, "StaticText1", "VLAN Index", DedicatedField::Text},
};

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "VLAN Current Table", .size = {640, 520}})
{
    runCreation([this] {
        m_scalars = &addBinding(VlanDialogTables::deletionScalars);
        m_table = &addBinding(VlanDialogTables::currentVlans);
        addRowCount("ST_Count2", addList(*m_table, "LV_dot1qVlanCurrentEntry"));
        addFields(*m_scalars, kDeletes);
        addFields(*m_table, kFields);
        m_egress = addPortPage("Egress Port", m_table, Column::Egress);
        m_untagged = addPortPage("Untagged Port", m_table, Column::Untagged);
        // The dialog never writes: its port maps only show.
        m_egress->setReadOnly(true);
        m_untagged->setReadOnly(true);
        addButton("Refresh", "btnRefresh", [this] {
            refreshBinding(m_scalars);
            refreshBinding(m_table);
            clearSelection();
        });
        // The dialog only reads: its Set button is never shown.
        addButton("Set", "btnSet", [] {})->setVisible(false);
        refreshBinding(m_scalars);
        refreshBinding(m_table);
    });
}

void TVLanCurrentTableForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row)
        clearSelection();
}

void TVLanCurrentTableForm::clearSelection()
{
    m_egress->ClearAll();
    m_untagged->ClearAll();
    control<QLabel>("StaticText1")->clear();
}
