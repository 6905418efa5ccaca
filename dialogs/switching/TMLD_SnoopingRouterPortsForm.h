#pragma once

#include "dialogs/switching/TRouterPortsForm.h"

// "MLD Snooping Router Ports": the MLD multicast-router ports of each VLAN. Set
// and closing wait for a running read; Stop ends it.
class TMLD_SnoopingRouterPortsForm final : public TRouterPortsForm
{
    Q_OBJECT

public:
    explicit TMLD_SnoopingRouterPortsForm(QWidget *parent);
};
