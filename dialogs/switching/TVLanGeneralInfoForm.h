#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "802.1Q Basic Configure": the Q-BRIDGE version, limits and VLAN count, and
// the GVRP switch. Refresh reads them, Set writes the GVRP status.
class TVLanGeneralInfoForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVLanGeneralInfoForm(QWidget *parent);

    QxSNMPRequest2Edits *scalarBinding() const { return m_binding; }

private:
    QPointer<QxSNMPRequest2Edits> m_binding;
};
