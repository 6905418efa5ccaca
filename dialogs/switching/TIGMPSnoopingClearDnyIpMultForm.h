#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "IGMP Snooping Clear Dynamic IP Multicast": clears the dynamically learnt IP
// multicast entries of a VLAN, a group or all of them.
class TIGMPSnoopingClearDnyIpMultForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TIGMPSnoopingClearDnyIpMultForm(QWidget *parent);

    QxSNMPRequest2Edits *clearBinding() const { return m_clear; }

private:
    void set();

    QPointer<QxSNMPRequest2Edits> m_clear;
};
