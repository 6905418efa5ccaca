#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Port Mirror Table": the mirror target port, its state and the ingress and
// egress source ports. "Set Member" writes in three SETs: all four objects,
// then the ingress list alone, then the egress list alone.
class TPortMirrorForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TPortMirrorForm(QWidget *parent);

    QxSNMPRequest2Edits *mirrorBinding() const { return m_mirror; }
    TPortUitForm *ingressPicker() const { return m_ingress; }
    TPortUitForm *egressPicker() const { return m_egress; }

private:
    void setMembers();
    // Whether the target port is ticked as an ingress or egress source.
    bool targetIsSource() const;

    TPortUitForm *m_ingress = nullptr;
    TPortUitForm *m_egress = nullptr;
    QPointer<QxSNMPRequest2Edits> m_mirror;
};
