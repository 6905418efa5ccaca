#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;

// What the IGMP and MLD multicast-router port dialogs share: a list of VLANs,
// the selected VLAN's ID, and its static, dynamic and forbidden router ports
// on three pages. A completed read ends the wait (the ready flag) and gives the
// boxes back. How the two differ is data (Spec).
class TRouterPortsForm : public TDedicatedForm
{
    Q_OBJECT

public:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        const char *listName; // the list view's object name
        const char *vlanIdLabel;
        int staticColumn;
        int dynamicColumn;
        int forbiddenColumn;
        int nameColumn; // -1: the table has no VLAN name
        StatusOutput status;
        // MLD: Set refuses while reading ("Get data not complete") and reads
        // after its write; Stop and Close buttons; closing refused while reading.
        bool guarded;
    };

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TPortUitForm *staticPicker() const { return m_static; }
    TPortUitForm *dynamicPicker() const { return m_dynamic; }
    TPortUitForm *forbiddenPicker() const { return m_forbidden; }

protected:
    TRouterPortsForm(QWidget *parent, const Spec &spec);

    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void set();
    void clear();
    // A read was started; when the start failed the wait is over at once.
    void reading(bool started);

    const Spec &m_spec;
    QPushButton *m_btnSet = nullptr;
    TPortUitForm *m_static = nullptr;
    TPortUitForm *m_dynamic = nullptr;
    TPortUitForm *m_forbidden = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
