#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "Diagnostics Information": the MAC-based authenticator's diagnostic counters
// of each supplicant MAC address and port, read only, read synchronously.
class TDiagnosticsInformationForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TDiagnosticsInformationForm(QWidget *parent);

    QxSNMPRequest2Edits *diagnosticsBinding() const { return m_diagnostics; }

private:
    QPointer<QxSNMPRequest2Edits> m_diagnostics;
};
