#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Guest VLAN": the VLAN a port's unauthenticated 802.1X clients join, and
// the ports that have one. Delete takes the guest VLAN away.
class TGuestVlanForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TGuestVlanForm(QWidget *parent);

private:
    void refresh();
    void remove();

    QPointer<QxSNMPRequest2Edits> m_vlan;
    QPointer<QxSNMPRequest2Edits> m_delete;
};
