#include "dialogs/switching/TLLDPDot3LinkAggForm.h"

#include "tables/LldpDialogTables.h"

namespace {

namespace Column = LldpDialogTables::LocalLinkAggColumn;

const TLldpNamesForm::Spec kSpec{
    .caption = "Local Link Aggregation Table",
    .table = &LldpDialogTables::localLinkAggregation,
    .listName = "LV_LocalLinkAgg",
    .named = {QxShownTextRequest2Edits::bitNames(Column::Status, LldpDialogTables::linkAggregation)},
};

} // namespace

TLLDPDot3LinkAggForm::TLLDPDot3LinkAggForm(QWidget *parent) : TLldpNamesForm(parent, kSpec) {}
