#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;
class QxListView;

// "VLAN Static Form": the static VLAN table with its egress, forbidden egress
// and untagged port maps. Add creates a VLAN (createAndGo with its values), Set
// changes the selected one, Delete destroys it (the row status alone).
class TVlanStaticForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVlanStaticForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    QxSNMPRequest2Edits *nextFreeBinding() const { return m_nextFree; }
    TPortUitForm *egressPicker() const { return m_egress; }
    TPortUitForm *forbiddenPicker() const { return m_forbidden; }
    TPortUitForm *untaggedPicker() const { return m_untagged; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void clearEditor();
    // "Set" and "Delete" on for a selected row, "Add" on for a new one.
    void buttonsFor(bool rowSelected);

    QPushButton *m_btnSet = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
    TPortUitForm *m_egress = nullptr;
    TPortUitForm *m_forbidden = nullptr;
    TPortUitForm *m_untagged = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
    QPointer<QxSNMPRequest2Edits> m_nextFree;
};
