#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Local System Data": the switch's own LLDP chassis and system data, its
// capabilities shown as names. It only reads.
class TLLDPLocSysDataForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TLLDPLocSysDataForm(QWidget *parent);

    QxSNMPRequest2Edits *systemBinding() const { return m_system; }

private:
    QPointer<QxSNMPRequest2Edits> m_system;
};
