#include "dialogs/security/TEthernetMaskForm.h"

#include "snmp/QxHexText.h"
#include "tables/AclDialogTables.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

namespace Column = AclDialogTables::EthernetColumn;
namespace State = AclDialogTables::MacState;

constexpr DedicatedField kFields[] = {
    {Column::Id, "IDEdit", "Ethernet Mask ID", DedicatedField::Edit, "%i{n1x256l3}"},
    {Column::UseVlan, "UseVLanComBo", "Use VLAN", DedicatedField::DropDown},
    {Column::State, "MacMaskStateComBo", "MAC Address Mask State", DedicatedField::DropDown},
    {Column::SourceMask, "MacAddMaskSourceEdit", "MAC Address Mask Source", DedicatedField::Edit, "%s"},
    {Column::DestinationMask, "MacMaskDstEdit", "MAC Address Mask Destination", DedicatedField::Edit, "%s"},
    {Column::Use8021p, "Use8021pComBo", "Use 8021p", DedicatedField::DropDown},
    {Column::UseEthernetType, "UseEthTypeCombo", "Use Ethernet Type", DedicatedField::DropDown},
    {Column::RowStatus, "RowStatusComBo", "Row Status", DedicatedField::DropDown},
};
constexpr std::pair<const char *, const char *> kDefaults[] = {
    {"UseVLanComBo", "enabled"},    {"MacMaskStateComBo", "other"}, {"Use8021pComBo", "enabled"},
    {"UseEthTypeCombo", "enabled"}, {"RowStatusComBo", "active"},
};

} // namespace

TEthernetMaskForm::TEthernetMaskForm(QWidget *parent, const char *caption, const QxDescriptorTable &table,
                                     const char *idFormat)
    : TAclTableForm(parent, {.caption = caption,
                            .table = &table,
                            .fields = kFields,
                            .idFormat = idFormat,
                            .rowStatusColumn = Column::RowStatus,
                            .refreshButton = "BT_Get",
                            .addButton = "AddBtn",
                            .deleteButton = "BT_Delete",
                            .defaults = kDefaults})
{
}

bool TEthernetMaskForm::addAccepted()
{
    QLineEdit *source = edit("MacAddMaskSourceEdit");
    QLineEdit *destination = edit("MacMaskDstEdit");
    const int state = list("MacMaskStateComBo")->currentIndex();
    const bool checksDestination = state == State::Destination || state == State::DestinationSource;
    const bool checksSource = state == State::Source || state == State::DestinationSource;
    // Only the masks the state uses are checked, and only when given.
    const auto badMac = [](QLineEdit *mask) { return !mask->text().isEmpty() && !QxHexText::isDigits(mask->text(), QxHexText::MacDigits); };
    return passes({
        {[this] { return keysListed(); }, "There is already a record with the same Ethernet Mask ID. Please modified it.",
         idEdit()},
        {[this] { return rowStatus()->currentIndex() != AclDialogTables::rowCreateAndGo; },
         "Row Status must be createAndGo.", rowStatus()},
        {[this] { return idEdit()->text().isEmpty(); }, "Mask ID must be set", idEdit()},
        {[this] { return tableBinding()->busy(); }, "Get data not complet"},
        {[&] { return checksDestination && badMac(destination); }, "Invalid MAC Address", destination},
        {[&] { return checksSource && badMac(source); }, "Invalid MAC Address", source},
    });
}

QList<int> TEthernetMaskForm::addExclusions()
{
    if (rowStatus()->currentIndex() == AclDialogTables::rowDestroy)
        return allButKeyAndStatus();
    QList<int> out;
    const auto emptyList = [this](const char *name) { return list(name)->currentText().isEmpty(); };
    if (emptyList("UseVLanComBo"))
        out << Column::UseVlan;
    if (emptyList("Use8021pComBo"))
        out << Column::Use8021p;
    const int state = list("MacMaskStateComBo")->currentIndex();
    if (state < 0 || state == State::Other)
        out << Column::State << Column::SourceMask << Column::DestinationMask;
    if (state == State::Destination || edit("MacAddMaskSourceEdit")->text().isEmpty())
        out << Column::SourceMask;
    if (state == State::Source || edit("MacMaskDstEdit")->text().isEmpty())
        out << Column::DestinationMask;
    if (emptyList("UseEthTypeCombo"))
        out << Column::UseEthernetType;
    return out;
}
