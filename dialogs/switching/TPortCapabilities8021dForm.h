#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Port Capability Form": the 802.1D extended capabilities of each port, read only.
class TPortCapabilities8021dForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TPortCapabilities8021dForm(QWidget *parent);

    QxSNMPRequest2Edits *portBinding() const { return m_ports; }

private:
    QPointer<QxSNMPRequest2Edits> m_ports;
};
