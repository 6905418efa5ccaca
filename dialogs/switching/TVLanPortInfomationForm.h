#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

#include <QString>

class QxListView;

// "VLAN Port Information Form": the per-port VLAN settings (PVID, acceptable
// frame types, ingress filtering, GVRP). Refresh and Set are refused with a
// message while a read is running; after Set the port that was selected is
// selected again once the table has been re-read.
class TVLanPortInfomationForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVLanPortInfomationForm(QWidget *parent);

    QxSNMPRequest2Edits *tableBinding() const { return m_binding; }

private:
    bool refusedWhileBusy();
    void tableRead();

    QxListView *m_list = nullptr;
    QPointer<QxSNMPRequest2Edits> m_binding;
    // The port whose row Set selects again after its re-read.
    QString m_reselectPort;
    bool m_reselectPending = false;
};
