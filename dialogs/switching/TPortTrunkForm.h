#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "Port Trunk Table": static and LACP trunk groups 1-6, each with a master port
// and two to eight member ports. Add creates a group (createAndGo), Set changes
// the selected one, Delete destroys it by its index and status alone. The
// binding is synchronous; what the switch answers goes to the status bar.
class TPortTrunkForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TPortTrunkForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TPortUitForm *memberPicker() const { return m_members; }
    TPortUitForm *activePicker() const { return m_active; }

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void add();
    void set();
    void remove();
    // The editor and buttons for a new group.
    void newGroup();
    void clearEditor();
    // Unit 1, a port from 1 to its port count: shows "set valid master port".
    bool masterPortValid();
    int globalMasterPort() const;
    bool masterPortIsMember() const;
    // Two to eight members; a ninth checked box is unchecked again.
    bool memberCountValid();

    QLineEdit *m_index = nullptr;
    QLineEdit *m_unit = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_masterPort = nullptr;
    QComboBox *m_type = nullptr;
    QComboBox *m_state = nullptr;
    QPushButton *m_btnAdd = nullptr;
    QPushButton *m_btnSet = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QxListView *m_list = nullptr;
    TPortUitForm *m_members = nullptr;
    TPortUitForm *m_active = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
