#include "dialogs/switching/TLLDPDot3RemoteLinkAggForm.h"

#include "tables/LldpDialogTables.h"

namespace {

namespace Column = LldpDialogTables::RemoteLinkAggColumn;

const TLldpNamesForm::Spec kSpec{
    .caption = "Remote Link Aggregation Table",
    .table = &LldpDialogTables::remoteLinkAggregation,
    .listName = "LV_RemoteLinkAgg",
    .named = {QxShownTextRequest2Edits::bitNames(Column::Status, LldpDialogTables::linkAggregation)},
};

} // namespace

TLLDPDot3RemoteLinkAggForm::TLLDPDot3RemoteLinkAggForm(QWidget *parent) : TLldpNamesForm(parent, kSpec) {}
