#include "dialogs/switching/TLLDPConfigProtocolVLANForm.h"

#include "tables/LldpDialogTables.h"

namespace {

const TLldpTxForm::Spec kSpec{
    .caption = "Configuration Protocol VLAN  Table",
    .table = &LldpDialogTables::protocolVlanTx,
    .indexLabel = "VLAN ID",
};

} // namespace

TLLDPConfigProtocolVLANForm::TLLDPConfigProtocolVLANForm(QWidget *parent) : TLldpTxForm(parent, kSpec) {}
