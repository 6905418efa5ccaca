#include "dialogs/switching/TVLanPortInfomationForm.h"

#include "binding/QxListView.h"
#include "tables/VlanDialogTables.h"

#include <QLineEdit>

namespace {

namespace Column = VlanDialogTables::PortColumn;

constexpr DedicatedField kFields[] = {
    {Column::Pvid, "PortVLanID", "Port VLAN ID", DedicatedField::Edit, "%i{}"},
    {Column::AcceptableFrameTypes, "AcceptableFrameTypes", "Acceptable Frame Types", DedicatedField::DropDown},
    {Column::IngressFiltering, "IngressFiltering", "Ingress Filtering", DedicatedField::DropDown},
    {Column::GvrpStatus, "GvrpStatus", "GVRP Status", DedicatedField::DropDown},
};

} // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "VLAN Port Information Form"})
{
    runCreation([this] {
        m_binding = &addBinding(VlanDialogTables::portVlans);
        m_list = addList(*m_binding, "LV_dot1qPortVlanEntry");
        addFields(*m_binding, kFields);
        addRowCount("ST_Count", m_list);
        addButton("Refresh", "btnRefresh", [this] {
            if (refusedWhileBusy())
                return;
            m_reselectPending = false;
            refreshBinding(m_binding);
        });
        addButton("Set", "btnSet", [this] {
            if (refusedWhileBusy())
                return;
            // The row is the port: without one selected there is nothing to write to.
            const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
            if (!passes({{[&selected] { return selected.isEmpty(); }, "Please select a port.", m_list}}))
                return;
            m_reselectPort = selected.first()->text(0);
            m_reselectPending = write({.binding = m_binding, .row = DedicatedWrite::Row::Selected});
        });
        onReadDone(m_binding, [this](const QxSNMPError &) { tableRead(); });
        // A failed write is not re-read: there is no row to look for.
        onWriteDone(m_binding, [this](const QxSNMPError &error) { m_reselectPending &= error.code == 0; });
        refreshBinding(m_binding);
        control<QLineEdit>("PortVLanID")->clear();
    });
}

bool TVLanPortInfomationForm::refusedWhileBusy()
{
    if (!m_binding || !m_binding->busy())
        return false;
    inform(QStringLiteral("Refresh Not Complete"));
    return true;
}

void TVLanPortInfomationForm::tableRead()
{
    if (!m_reselectPending)
        return;
    m_reselectPending = false;
    if (QTreeWidgetItem *item = rowWithText(m_list, Column::Port, m_reselectPort)) {
        // Selecting copies the row into the controls again.
        m_list->setCurrentItem(item);
        item->setSelected(true);
        m_list->scrollToItem(item);
        return;
    }
    control<QLineEdit>("PortVLanID")->clear();
}
