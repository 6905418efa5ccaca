#pragma once

#include "dialogs/switching/TStaticFilterForm.h"

// "Unicast Filter Information": static unicast entries, each a MAC address in
// a VLAN allowed to go to one port (or none). Add creates an entry
// (permanent), Delete invalidates the selected one.
class TUnicastFilterInformationForm final : public TStaticFilterForm
{
    Q_OBJECT

public:
    explicit TUnicastFilterInformationForm(QWidget *parent);

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void add();
    void remove();
    void enterBrowsing();

    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
};
