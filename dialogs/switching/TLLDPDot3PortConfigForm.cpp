#include "dialogs/switching/TLLDPDot3PortConfigForm.h"

#include "dialogs/switching/TLLDPDot3PortConfigurationForm.h"
#include "tables/LldpDialogTables.h"

namespace {

namespace Column = LldpDialogTables::Dot3PortConfigColumn;

constexpr DedicatedField kFields[] = {
    {Column::Port, "PortText", "Port Number", DedicatedField::Text},
    {Column::Tlvs, "TLVsEdit", "TLVs Tx Enable", DedicatedField::Edit, "%s{l256}"},
};

const TLldpTlvsForm::Spec kSpec{
    .caption = "LLDP Dot3 Port Configuration Table",
    .table = &LldpDialogTables::dot3PortConfig,
    .tlvColumn = Column::Tlvs,
    .names = &LldpDialogTables::dot3Tlvs,
    .fields = kFields,
    .makeSelection = [](QWidget *parent, QLineEdit *tlvs) -> TLldpTlvSelectionForm * {
        return new TLLDPDot3PortConfigurationForm(parent, tlvs);
    },
};

} // namespace

TLLDPDot3PortConfigForm::TLLDPDot3PortConfigForm(QWidget *parent) : TLldpTlvsForm(parent, kSpec) {}
