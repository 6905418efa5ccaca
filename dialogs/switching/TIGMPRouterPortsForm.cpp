#include "dialogs/switching/TIGMPRouterPortsForm.h"

#include "tables/SnoopingDialogTables.h"

namespace {

namespace Column = SnoopingDialogTables::IgmpRouterColumn;

const TRouterPortsForm::Spec kSpec{
    .caption = "IGMP Router Ports",
    .table = &SnoopingDialogTables::igmpRouterPorts,
    .listName = "LV_IGMPRouterPorts",
    .vlanIdLabel = "Vlan ID",
    .staticColumn = Column::StaticPorts,
    .dynamicColumn = Column::DynamicPorts,
    .forbiddenColumn = Column::ForbiddenPorts,
    .nameColumn = Column::VlanName,
    .status = TDedicatedForm::StatusOutput::Memo,
    .guarded = false,
};

} // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(QWidget *parent) : TRouterPortsForm(parent, kSpec) {}
