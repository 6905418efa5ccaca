#include "dialogs/switching/TIGMPMulticastVlanForm.h"

#include "dialogs/switching/TIGMPMulticastVLANGroupAddForm.h"
#include "tables/SnoopingDialogTables.h"

#include <QComboBox>
#include <QPushButton>

TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "IGMP Multicast VLAN Group", .status = StatusOutput::StatusBar})
{
    runCreation([this] {
        m_groups = &addBinding(SnoopingDialogTables::multicastGroups);
        addList(*m_groups, "LV_MulticastVlanGroup", false);
        m_addForm = new TIGMPMulticastVLANGroupAddForm(this, *m_groups);
        addButton("Refresh", "btnRefresh", [this] {
            m_groups->request().setAlive(true);
            refreshBinding(m_groups);
        });
        addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        addButton("Close", "btnClose", [this] { reject(); });
        m_btnDelete->setEnabled(false);
        refreshBinding(m_groups);
    });
}

void TIGMPMulticastVlanForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    m_btnDelete->setEnabled(row != nullptr);
}

void TIGMPMulticastVlanForm::add()
{
    if (m_groups->busy())
        stopRequests(m_groups);
    m_addForm->setMessages(messages());
    const QString address = windowTitle().section(QStringLiteral(": "), 1);
    m_addForm->setWindowTitle(QStringLiteral("IGMP Multicast VLAN Group (Add): ") + address);
    runModal(*m_addForm);
}

void TIGMPMulticastVlanForm::remove()
{
    if (!m_btnDelete->isEnabled())
        return;
    // A read still running ends first; the delete needs the binding.
    stopRequests(m_groups);
    resumeRequests(m_groups);
    // The selected range goes, whatever the add window last held.
    write({.binding = m_groups,
           .row = DedicatedWrite::Row::Selected,
           .status = m_addForm->stateCombo(),
           .statusItem = SnoopingDialogTables::rowStatusDestroy});
}
