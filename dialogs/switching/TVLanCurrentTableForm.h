#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "VLAN Current Table": the VLANs the switch is using, with their egress and
// untagged port maps, and the number of VLAN deletions. It only reads; its port
// maps show the selected VLAN and take no clicks.
class TVLanCurrentTableForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVLanCurrentTableForm(QWidget *parent);

    QxSNMPRequest2Edits *scalarBinding() const { return m_scalars; }
    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TPortUitForm *egressPicker() const { return m_egress; }
    TPortUitForm *untaggedPicker() const { return m_untagged; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void clearSelection();

    TPortUitForm *m_egress = nullptr;
    TPortUitForm *m_untagged = nullptr;
    QPointer<QxSNMPRequest2Edits> m_scalars;
    QPointer<QxSNMPRequest2Edits> m_table;
};
