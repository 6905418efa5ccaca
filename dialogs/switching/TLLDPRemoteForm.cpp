#include "dialogs/switching/TLLDPRemoteForm.h"

#include "tables/LldpDialogTables.h"

namespace {

namespace Column = LldpDialogTables::RemoteColumn;

const TLldpNamesForm::Spec kSpec{
    .caption = "LLDP Remote Table",
    .table = &LldpDialogTables::remoteSystems,
    .listName = "LV_LLDPRemote",
    .named = {{Column::CapabilitiesSupported, &LldpDialogTables::capabilities},
              {Column::CapabilitiesEnabled, &LldpDialogTables::capabilities}},
};

} // namespace

TLLDPRemoteForm::TLLDPRemoteForm(QWidget *parent) : TLldpNamesForm(parent, kSpec) {}
