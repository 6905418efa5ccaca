#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;
class TIGMPMulticastVLANGroupAddForm;

// "IGMP Multicast VLAN Group": the address ranges of the multicast VLANs. The
// binding's controls live in the add window, made with the dialog; Delete
// destroys the selected range.
class TIGMPMulticastVlanForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TIGMPMulticastVlanForm(QWidget *parent);

    QxSNMPRequest2Edits *groupBinding() const { return m_groups; }
    TIGMPMulticastVLANGroupAddForm *addForm() const { return m_addForm; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void add();
    void remove();

    QPushButton *m_btnDelete = nullptr;
    TIGMPMulticastVLANGroupAddForm *m_addForm = nullptr;
    QPointer<QxSNMPRequest2Edits> m_groups;
};
