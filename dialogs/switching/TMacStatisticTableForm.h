#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "MAC Statistic": the EAPOL frames of each supplicant MAC address and port
// that MAC-based authentication has seen, read only, read synchronously.
class TMacStatisticTableForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TMacStatisticTableForm(QWidget *parent);

    QxSNMPRequest2Edits *statisticsBinding() const { return m_statistics; }

private:
    QPointer<QxSNMPRequest2Edits> m_statistics;
};
