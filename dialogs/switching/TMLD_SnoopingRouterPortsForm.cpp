#include "dialogs/switching/TMLD_SnoopingRouterPortsForm.h"

#include "tables/SnoopingDialogTables.h"

namespace {

namespace Column = SnoopingDialogTables::MldRouterColumn;

const TRouterPortsForm::Spec kSpec{
    .caption = "MLD Snooping Router Ports",
    .table = &SnoopingDialogTables::mldRouterPorts,
    .listName = "LV_MLDRouterPorts",
    .vlanIdLabel = "VID",
    .staticColumn = Column::StaticPorts,
    .dynamicColumn = Column::DynamicPorts,
    .forbiddenColumn = Column::ForbiddenPorts,
    .nameColumn = -1,
    .status = TDedicatedForm::StatusOutput::StatusBar,
    .guarded = true,
};

} // namespace

TMLD_SnoopingRouterPortsForm::TMLD_SnoopingRouterPortsForm(QWidget *parent) : TRouterPortsForm(parent, kSpec) {}
