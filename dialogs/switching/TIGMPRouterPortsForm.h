#pragma once

#include "dialogs/switching/TRouterPortsForm.h"

// "IGMP Router Port": the IGMP multicast-router ports of each VLAN, with the
// VLAN's name.
class TIGMPRouterPortsForm final : public TRouterPortsForm
{
    Q_OBJECT

public:
    explicit TIGMPRouterPortsForm(QWidget *parent);
};
