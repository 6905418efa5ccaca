#pragma once

#include "dialogs/switching/TStaticFilterForm.h"

// "Multicast Filter Information": static multicast entries, each a group
// address in a VLAN with its egress ports. Add creates an entry (permanent),
// Set changes the selected one's egress ports, Delete invalidates it.
class TMulticastFilterInformationForm final : public TStaticFilterForm
{
    Q_OBJECT

public:
    explicit TMulticastFilterInformationForm(QWidget *parent);

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void add();
    void set();
    void remove();
    // Browsing: the inputs open, Add only; a selected row: Set and Delete.
    void enterBrowsing(bool browsing);

    QPushButton *m_btnSet = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
};
