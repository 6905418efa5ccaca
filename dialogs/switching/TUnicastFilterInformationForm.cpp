#include "dialogs/switching/TUnicastFilterInformationForm.h"

#include "device/TPortUitForm.h"
#include "tables/StaticFilterDialogTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

namespace Tables = StaticFilterDialogTables;
namespace Column = Tables::UnicastColumn;

constexpr DedicatedField kFields[] = {
    {Column::VlanId, "ED_UnicastVID", "VLAN ID", DedicatedField::Edit, "%i{n1x4094}"},
    // Typing stops at twelve digits; a shorter key is refused by the Add check alone.
    {Column::Address, "UnicastAddress", "MAC  Address", DedicatedField::Edit, "%h{l12}"},
    {Column::Status, "UStatus", "Status", DedicatedField::DropDown},
    {Column::ReceivePort, "ED_ReceivePort", nullptr, DedicatedField::HiddenEdit, "%i"},
};

} // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget *parent)
    : TStaticFilterForm(parent, {.caption = "Unicast Filter Information",
                                 .table = &Tables::unicast,
                                 .listName = "LV_dot1qStaticUnicastEntry",
                                 .fields = kFields,
                                 .portsColumn = Column::AllowedToGoTo,
                                 .statusColumn = Column::Status,
                                 .portsCaption = "Allow To Go To Port",
                                 .portsOnPage = false,
                                 .samplesCaption = false})
{
    runCreation([this] {
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        m_btnAdd = addButton("Add", "SetBtn", [this] { add(); });
        m_btnDelete = addButton("Delete", "DeleteBtn", [this] { remove(); });
        m_btnDelete->setEnabled(false);
    });
}

void TUnicastFilterInformationForm::enterBrowsing()
{
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(true);
    setBrowsing(true);
}

void TUnicastFilterInformationForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        clearInput();
        enterBrowsing();
        return;
    }
    m_btnDelete->setEnabled(true);
    m_btnAdd->setEnabled(false);
    setBrowsing(false);
}

void TUnicastFilterInformationForm::add()
{
    const QList<QCheckBox *> &boxes = ports()->checkBoxes();
    if (!keysAccepted()
        || !passes({
            {[&] { return std::count_if(boxes.begin(), boxes.end(), [](QCheckBox *b) { return b->isChecked(); }) > 1; },
             "Allow To Go To Port just for one Port."},
            {[this] { return statusList()->currentText() != QLatin1String("permanent"); }, "Status Should be permanent",
             statusList()},
        })
        || !notBusy())
        return;
    writeEntry({.row = DedicatedWrite::Row::New});
}

void TUnicastFilterInformationForm::remove()
{
    if (!passes({{[this] { return vlanEdit()->text().isEmpty() || macEdit()->text().isEmpty(); },
                  "Please select which entry you want to delete."}},
                Report::WarningBox)
        || !notBusy())
        return;
    // The entry goes by its status alone.
    writeEntry({.row = DedicatedWrite::Row::Selected,
                .keptOut = {Column::AllowedToGoTo},
                .status = statusList(),
                .statusItem = Tables::statusInvalid,
                .succeeded = [this] { enterBrowsing(); }});
}
