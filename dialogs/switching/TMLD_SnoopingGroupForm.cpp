#include "dialogs/switching/TMLD_SnoopingGroupForm.h"

#include "device/TPortUitForm.h"
#include "tables/SnoopingDialogTables.h"

#include <QLineEdit>

namespace {

namespace Column = SnoopingDialogTables::MldGroupColumn;

constexpr DedicatedField kFields[] = {
    {Column::VlanId, "VIDEdit", "VID", DedicatedField::ReadOnlyEdit, "%i"},
    {Column::GroupAddress, "edtIPAddress", "Group Address", DedicatedField::ReadOnlyEdit},
    {Column::SourceAddress, "edtMAC", "Source Address", DedicatedField::ReadOnlyEdit},
};

} // namespace

TMLD_SnoopingGroupForm::TMLD_SnoopingGroupForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "MLD Snooping Group Information", .status = StatusOutput::StatusBar})
{
    runCreation([this] {
        m_groups = &addBinding(SnoopingDialogTables::mldGroups);
        addList(*m_groups, "LV_MLDSnoopingGroup");
        addFields(*m_groups, kFields);
        m_include = addPortPage("Include Port", m_groups, Column::IncludePorts);
        m_exclude = addPortPage("Exclude Port", m_groups, Column::ExcludePorts);
        // It never writes: the port maps only show.
        m_include->setReadOnly(true);
        m_exclude->setReadOnly(true);
        addButton("Refresh", "btnRefresh", [this] {
            refreshBinding(m_groups);
            clear();
        });
        refreshBinding(m_groups);
    });
}

void TMLD_SnoopingGroupForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row)
        clear();
}

void TMLD_SnoopingGroupForm::clear()
{
    m_include->ClearAll();
    m_exclude->ClearAll();
    for (const char *name : {"VIDEdit", "edtIPAddress", "edtMAC"})
        control<QLineEdit>(name)->clear();
}
