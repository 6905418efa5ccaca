#include "dialogs/switching/TLLDPRemoteForm.h"

#include "tables/LldpDialogTables.h"

namespace {

namespace Column = LldpDialogTables::RemoteColumn;

const TLldpNamesForm::Spec kSpec{
    .caption = "LLDP Remote Table",
    .table = &LldpDialogTables::remoteSystems,
    .listName = "LV_LLDPRemote",
    .named = {QxShownTextRequest2Edits::bitNames(Column::CapabilitiesSupported, LldpDialogTables::capabilities),
              QxShownTextRequest2Edits::bitNames(Column::CapabilitiesEnabled, LldpDialogTables::capabilities)},
};

} // namespace

TLLDPRemoteForm::TLLDPRemoteForm(QWidget *parent) : TLldpNamesForm(parent, kSpec) {}
