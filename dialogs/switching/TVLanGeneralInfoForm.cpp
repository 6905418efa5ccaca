#include "dialogs/switching/TVLanGeneralInfoForm.h"

#include "tables/VlanDialogTables.h"

namespace {

namespace Column = VlanDialogTables::ScalarColumn;

constexpr DedicatedField kFields[] = {
    {Column::Version, "VlanVersionNumber", "VLAN Version Number", DedicatedField::Text},
    {Column::MaxVlanId, "MaxVlanId", "Max VLAN ID", DedicatedField::Text},
    {Column::MaxSupported, "MaxSupportedVlans", "Max Supported VLANs", DedicatedField::Text},
    {Column::NumVlans, "CurrentNumOfVlans", "Current Num Of VLANs", DedicatedField::Text},
    {Column::GvrpStatus, "GvrpStatus", "GVRP Status", DedicatedField::DropDown},
};

} // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "802.1Q Basic Configure", .size = {420, 260}})
{
    runCreation([this] {
        m_binding = &addBinding(VlanDialogTables::scalars);
        addFields(*m_binding, kFields);
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_binding); });
        addButton("Set", "btnSet", [this] { write({.binding = m_binding}); });
        refreshBinding(m_binding);
    });
}
