#include "dialogs/security/TIPMACBindingForm.h"

#include "snmp/QxHexText.h"
#include "tables/AclDialogTables.h"
#include "tables/AddressBindingDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Column = AddressBindingDialogTables::IpMacColumn;

constexpr DedicatedField kFields[] = {
    {Column::Address, "edtIpAddr", "IP Address", DedicatedField::Edit, "%s{l16}"},
    {Column::Mac, "edtMacAddr", "MAC Address", DedicatedField::Edit, "%s{l12}"},
    {Column::Status, "ComboStatus", nullptr, DedicatedField::DropDown},
    {Column::Action, "cbxActive", "Active", DedicatedField::DropDown},
    {Column::Mode, "cbxMode", "Mode", DedicatedField::DropDown},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {{"cbxMode", "arp"}, {"cbxActive", "active"}};

} // namespace

TIPMACBindingForm::TIPMACBindingForm(QWidget *parent)
    : TAclTableForm(parent, {.caption = "IP-MAC Binding Form",
                             .table = &AddressBindingDialogTables::ipMacBindings,
                             .fields = kFields,
                             .rowStatusColumn = Column::Status,
                             .refreshButton = "btnRefresh",
                             .addButton = "btnAdd",
                             .deleteButton = "btnDelete",
                             .editButton = "btnEdit",
                             .editBeforeAdd = true,
                             .defaults = kDefaults,
                             .portColumn = Column::Ports})
{
    if (!rowStatus())
        return; // creation failed
    // The status is the dialog's to choose; the action is the switch's.
    rowStatus()->hide();
    listOf(Column::Action)->setEnabled(false);
    addButton("Close", "btnClose", [this] { reject(); });
}

bool TIPMACBindingForm::bindingAccepted()
{
    QLineEdit *mac = editOf(Column::Mac);
    return validAddress(idEdit())
           && passes({{[mac] { return !QxHexText::isDigits(mac->text(), QxHexText::MacDigits); }, "Invalid MAC address", mac}});
}

bool TIPMACBindingForm::addAccepted()
{
    if (!bindingAccepted())
        return false;
    rowStatus()->setCurrentIndex(AclDialogTables::rowCreateAndGo);
    return true;
}

QList<int> TIPMACBindingForm::deleteExclusions()
{
    // The switch finds the binding to delete by its MAC too.
    return {Column::Ports, Column::Mode};
}

void TIPMACBindingForm::editorCleared()
{
    listOf(Column::Mode)->setCurrentIndex(0);
    listOf(Column::Action)->setEnabled(false);
}

void TIPMACBindingForm::rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row)
{
    TAclTableForm::rowSelected(binding, row);
    // Selecting a row opens the editor's controls; the action still only shows.
    listOf(Column::Action)->setEnabled(false);
}
