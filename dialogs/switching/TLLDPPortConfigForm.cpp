#include "dialogs/switching/TLLDPPortConfigForm.h"

#include "dialogs/switching/TLLDPPortConfigurationForm.h"
#include "tables/LldpDialogTables.h"

namespace {

namespace Column = LldpDialogTables::PortConfigColumn;

constexpr DedicatedField kFields[] = {
    {Column::Port, "PortText", "Port Number", DedicatedField::Text},
    {Column::AdminStatus, "AdminStateComboBox", "Admin State", DedicatedField::DropDown},
    {Column::Notification, "NotificationComboBox", "Notification Enable", DedicatedField::DropDown},
    {Column::Tlvs, "TLVsEdit", "TLVs Tx Enable", DedicatedField::Edit, "%s{l256}"},
};

const TLldpTlvsForm::Spec kSpec{
    .caption = "Port Configuration Table",
    .table = &LldpDialogTables::portConfig,
    .tlvColumn = Column::Tlvs,
    .names = &LldpDialogTables::basicTlvs,
    .fields = kFields,
    .makeSelection = [](QWidget *parent, QLineEdit *tlvs) -> TLldpTlvSelectionForm * {
        return new TLLDPPortConfigurationForm(parent, tlvs);
    },
};

} // namespace

TLLDPPortConfigForm::TLLDPPortConfigForm(QWidget *parent) : TLldpTlvsForm(parent, kSpec) {}
