#pragma once

#include "dialogs/switching/TDedicatedForm.h"

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QxListView;

// "VLAN Port Information Form": the per-port VLAN settings (PVID, acceptable
// frame types, ingress filtering, GVRP). Refresh and Set are refused with a
// message while a read is running; after Set the port that was selected is
// selected again once the table has been re-read.
class TVLanPortInfomationForm : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVLanPortInfomationForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_binding; }

    void RefreshBtnClick();
    void SetBtnClick();

private:
    void FormCreate();
    void tableRead();
    bool refusedWhileBusy();

    QxListView *m_listView;
    QLineEdit *m_portVlanId;
    QComboBox *m_acceptableFrameTypes;
    QComboBox *m_ingressFiltering;
    QComboBox *m_gvrpStatus;
    QLabel *m_count = nullptr;
    QPointer<QxSNMPRequest2Edits> m_binding;
    // The port whose row Set selects again after its re-read.
    QString m_reselectPort;
    bool m_reselectPending = false;
};
