#include "dialogs/switching/TLLDPConfigProtocolForm.h"

#include "tables/LldpDialogTables.h"

namespace {

const TLldpTxForm::Spec kSpec{
    .caption = "Configuration Protocol Table",
    .table = &LldpDialogTables::protocolTx,
    .indexLabel = "Index",
};

} // namespace

TLLDPConfigProtocolForm::TLLDPConfigProtocolForm(QWidget *parent) : TLldpTxForm(parent, kSpec) {}
