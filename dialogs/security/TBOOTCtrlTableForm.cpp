#include "dialogs/security/TBOOTCtrlTableForm.h"

#include "dialogs/security/TNewBootpCtrlForm.h"
#include "tables/AddressBindingDialogTables.h"

#include <QComboBox>

namespace {

namespace Tables = AddressBindingDialogTables;

constexpr DedicatedField kStatus{Tables::DhcpRelayColumn::RowStatus, "cbxRowStatus", nullptr,
                                 DedicatedField::DropDown};

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "DHCP Relay Control", .status = StatusOutput::Memo, .size = {520, 360}})
{
    runCreation([this] {
        m_relay = &addBinding(Tables::dhcpRelay, {.synchronous = true});
        m_list = addList(*m_relay, "ListView1");
        addFields(*m_relay, std::span<const DedicatedField>(&kStatus, 1));
        auto *status = control<QComboBox>("cbxRowStatus");
        status->hide();
        m_new = new TNewBootpCtrlForm(this, *m_relay, m_list, status);
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_relay); });
        addButton("Delete", "btnDelete", [this] { remove(); });
        addButton("Add", "btnAdd", [this] { add(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_relay);
    });
}

void TBOOTCtrlTableForm::add()
{
    // A new server is written at the keys typed, not at a selected row's.
    m_list->clearSelection();
    m_new->setWindowTitle(QStringLiteral("New DHCP Ctrl: ") + windowTitle().section(QStringLiteral(": "), 1));
    runModal(*m_new);
}

void TBOOTCtrlTableForm::remove()
{
    // The server to delete is the selected one, whatever the new-entry
    // window last held.
    if (!passes({{[this] { return m_list->selectedItems().isEmpty(); }, "Choose the item first."}}))
        return;
    m_new->showRow(*m_list->selectedItems().first());
    write({.binding = m_relay,
           .row = DedicatedWrite::Row::Selected,
           .status = control<QComboBox>("cbxRowStatus"),
           .statusItem = Tables::relayDestroy});
}
