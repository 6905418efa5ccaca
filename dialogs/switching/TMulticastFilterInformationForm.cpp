#include "dialogs/switching/TMulticastFilterInformationForm.h"

#include "tables/StaticFilterDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Tables = StaticFilterDialogTables;
namespace Column = Tables::MulticastColumn;

constexpr DedicatedField kFields[] = {
    {Column::VlanId, "ED_MulticastVID", "VID", DedicatedField::Edit, "%i{n1x4094}"},
    {Column::Address, "ED_MACAddress", "MAC Address", DedicatedField::Edit, "%h{l12}"},
    {Column::Status, "Status", "Status", DedicatedField::DropDown},
    {Column::ReceivePort, "ED_ReceivePort", nullptr, DedicatedField::HiddenEdit, "%i"},
};

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget *parent)
    : TStaticFilterForm(parent, {.caption = "Multicast Filter Information",
                                 .table = &Tables::multicast,
                                 .listName = "LV_dot1qStaticMulticastEntry",
                                 .fields = kFields,
                                 .portsColumn = Column::EgressPorts,
                                 .statusColumn = Column::Status,
                                 .portsCaption = "Egress Ports",
                                 .portsOnPage = true,
                                 .samplesCaption = true})
{
    runCreation([this] {
        addButton("Refresh", "btnRefresh", [this] {
            refresh();
            enterBrowsing(true);
        });
        m_btnSet = addButton("Set", "SetBtn", [this] { set(); });
        m_btnAdd = addButton("Add", "AddBtn", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        enterBrowsing(true);
    });
}

void TMulticastFilterInformationForm::enterBrowsing(bool browsing)
{
    for (QWidget *input : {static_cast<QWidget *>(vlanEdit()), static_cast<QWidget *>(macEdit()),
                           static_cast<QWidget *>(statusList())})
        input->setEnabled(browsing);
    setBrowsing(browsing);
    m_btnSet->setEnabled(!browsing);
    m_btnDelete->setEnabled(!browsing);
    m_btnAdd->setEnabled(browsing);
}

void TMulticastFilterInformationForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row)
        clearInput();
    enterBrowsing(row == nullptr);
}

void TMulticastFilterInformationForm::set()
{
    if (!notBusy())
        return;
    // The egress ports alone.
    writeEntry({.row = DedicatedWrite::Row::Selected, .keptOut = {Column::Status}});
}

void TMulticastFilterInformationForm::remove()
{
    if (!notBusy())
        return;
    writeEntry({.row = DedicatedWrite::Row::Selected, .status = statusList(), .statusItem = Tables::statusInvalid});
}

void TMulticastFilterInformationForm::add()
{
    if (!keysAccepted()
        || !passes({{[this] { return statusList()->currentText() != QLatin1String("permanent"); },
                     "Status should be set to permanent", statusList()}})
        || !notBusy())
        return;
    writeEntry({.row = DedicatedWrite::Row::New});
}
