#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Network Time": the switch's SNTP client (its state, two time servers and
// the poll interval) and the time source it uses. Each value is written only
// when its row is ticked ("Set Checked ").
class TfrmNetwroktime final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TfrmNetwroktime(QWidget *parent);

    QxSNMPRequest2Edits *timeBinding() const { return m_time; }

private:
    void refresh();
    void setChecked();

    QPointer<QxSNMPRequest2Edits> m_time;
};
