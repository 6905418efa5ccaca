#pragma once

#include "dialogs/switching/TDedicatedForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QxListView;

// "VLAN Static Form": the static VLAN table with its egress, forbidden egress
// and untagged port maps. Add creates a VLAN (createAndGo with its values), Set
// changes the selected one, Delete destroys it (the row status alone).
class TVlanStaticForm : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVlanStaticForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    QxSNMPRequest2Edits *nextFreeBinding() const { return m_nextFree; }
    TPortUitForm *egressPicker() const { return m_egress; }
    TPortUitForm *forbiddenPicker() const { return m_forbidden; }
    TPortUitForm *untaggedPicker() const { return m_untagged; }

    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

private:
    void FormCreate();
    void rowClick(QTreeWidgetItem *selected);
    void clearEditor();
    // "Set" and "Delete" off, "Add" on.
    void buttonsForNewRow();
    // Writes the row with the given status item chosen, the columns notSent
    // kept out of the write; `succeeded` runs once the write has gone through.
    void applyWithStatus(int status, const QList<int> &notSent, const std::function<void()> &succeeded);

    QxListView *m_listView;
    QLineEdit *m_vlanId;
    QLineEdit *m_vlanName;
    QComboBox *m_status;
    QLabel *m_nextFreeIndex;
    QTabWidget *m_portPages;
    QLabel *m_count = nullptr;
    QPushButton *m_btnRefresh = nullptr;
    QPushButton *m_btnSet = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnDelete = nullptr;
    TPortUitForm *m_egress = nullptr;
    TPortUitForm *m_forbidden = nullptr;
    TPortUitForm *m_untagged = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
    QPointer<QxSNMPRequest2Edits> m_nextFree;
};
