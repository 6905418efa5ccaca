#include "dialogs/switching/TLLDPConfigVLANNameForm.h"

#include "tables/LldpDialogTables.h"

namespace {

const TLldpTxForm::Spec kSpec{
    .caption = "Configuration VLAN Name Table",
    .table = &LldpDialogTables::vlanNameTx,
    .indexLabel = "VLAN ID",
};

} // namespace

TLLDPConfigVLANNameForm::TLLDPConfigVLANNameForm(QWidget *parent) : TLldpTxForm(parent, kSpec) {}
