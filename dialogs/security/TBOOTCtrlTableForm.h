#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class TNewBootpCtrlForm;

// "DHCP Relay Control": the DHCP servers each interface relays to. Add opens
// the new-entry window (on this dialog's binding); Delete removes the
// selected server.
class TBOOTCtrlTableForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TBOOTCtrlTableForm(QWidget *parent);

    TNewBootpCtrlForm *newEntryForm() const { return m_new; }

private:
    void add();
    void remove();

    QxListView *m_list = nullptr;
    TNewBootpCtrlForm *m_new = nullptr;
    QPointer<QxSNMPRequest2Edits> m_relay;
};
