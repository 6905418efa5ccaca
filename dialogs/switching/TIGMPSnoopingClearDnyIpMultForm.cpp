#include "dialogs/switching/TIGMPSnoopingClearDnyIpMultForm.h"

#include "tables/SnoopingDialogTables.h"

#include <QLineEdit>

namespace {

namespace Column = SnoopingDialogTables::ClearColumn;

constexpr DedicatedField kFields[] = {
    {Column::VlanId, "edtVID", "VLAN ID", DedicatedField::Edit, "%i{n0x4094l4}"},
    {Column::Address, "edtIPAddr", "Multicast IP Address", DedicatedField::Edit, "%s{l16}"},
    {Column::Action, "cbMultAction", "Multicast Action", DedicatedField::DropDown},
};

} // namespace

TIGMPSnoopingClearDnyIpMultForm::TIGMPSnoopingClearDnyIpMultForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "IGMP Snooping Clear Dynamic IP Multicast",
                              .status = StatusOutput::StatusBar,
                              .size = {480, 200}})
{
    runCreation([this] {
        m_clear = &addBinding(SnoopingDialogTables::clearDynamic, {.synchronous = true});
        addFields(*m_clear, kFields);
        addButton("Set", "btnSet", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_clear);
    });
}

void TIGMPSnoopingClearDnyIpMultForm::set()
{
    auto *vid = control<QLineEdit>("edtVID");
    auto *address = control<QLineEdit>("edtIPAddr");
    // The address is asked for whatever the action, "all" included.
    if (!passes({{[vid] { return vid->text().isEmpty(); }, "VLAN ID can't be empty.", vid},
                 {[address] { return address->text().isEmpty(); }, "Multicast IP Address can't be empty.", address}})
        || !validAddress(address, true))
        return;
    write({.binding = m_clear});
}
