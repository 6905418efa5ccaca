#include "dialogs/security/TGuestVlanForm.h"

#include "tables/AddressBindingDialogTables.h"

#include <QComboBox>

namespace {

namespace Tables = AddressBindingDialogTables;
namespace Column = Tables::GuestVlanColumn;

constexpr DedicatedField kName{Column::Name, "edtName", "Name", DedicatedField::Edit, "%s"};
constexpr DedicatedField kDelete{0, "cbxDel", nullptr, DedicatedField::DropDown};
// Writing the guest VLAN takes the switch a while.
constexpr int GuestVlanTimeout = 300;

} // namespace

TGuestVlanForm::TGuestVlanForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Guest VLAN", .status = StatusOutput::StatusBar, .size = {560, 340}})
{
    runCreation([this] {
        m_vlan = &addBinding(Tables::guestVlan, {.synchronous = true, .timeout = GuestVlanTimeout});
        m_delete = &addBinding(Tables::guestVlanDelete, {.synchronous = true, .timeout = GuestVlanTimeout});
        addFields(*m_vlan, std::span<const DedicatedField>(&kName, 1));
        addFields(*m_delete, std::span<const DedicatedField>(&kDelete, 1));
        control<QComboBox>("cbxDel")->hide();
        addPortGroup("Port", m_vlan, Column::Ports);
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Set", "btnSet", [this] { write({.binding = m_vlan, .readBack = DedicatedWrite::ReadBack::Always}); });
        addButton("Delete", "btnDelete", [this] { remove(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_vlan);
    });
}

void TGuestVlanForm::refresh()
{
    refreshBinding(m_vlan);
    refreshBinding(m_delete);
}

void TGuestVlanForm::remove()
{
    write({.binding = m_delete,
           .status = control<QComboBox>("cbxDel"),
           .statusItem = Tables::deleteStart,
           .readBack = DedicatedWrite::ReadBack::Never,
           .succeeded = [this] { refresh(); }});
}
