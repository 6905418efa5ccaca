#pragma once

#include "dialogs/switching/TDedicatedForm.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QxListView;

// "VLAN Current Table": the VLANs the switch uses now, with their egress and
// untagged ports, and the number of VLAN deletions. It only reads.
class TVLanCurrentTableForm : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVLanCurrentTableForm(QWidget *parent);

    QxSNMPRequest2Edits *scalarBinding() const { return m_scalars; }
    QxSNMPRequest2Edits *tableBinding() const { return m_table; }
    TPortUitForm *egressPicker() const { return m_egress; }
    TPortUitForm *untaggedPicker() const { return m_untagged; }

    void RefreshBtnClick();

private:
    void FormCreate();
    void clearSelection();

    QxListView *m_listView;
    QLabel *m_numDeletes;
    QLabel *m_vlanIndex;
    QTabWidget *m_portPages;
    QLabel *m_count = nullptr;
    QPushButton *m_btnSet = nullptr;
    TPortUitForm *m_egress = nullptr;
    TPortUitForm *m_untagged = nullptr;
    QPointer<QxSNMPRequest2Edits> m_scalars;
    QPointer<QxSNMPRequest2Edits> m_table;
};
