#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "SSL Certificate File": where the switch downloads its SSL certificate and
// key from, the control that starts (or deletes) the download, and the kind of
// certificate it holds. Each value is written only when its row is ticked
// ("Set Checked ").
class TCertificateFileForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TCertificateFileForm(QWidget *parent);

    QxSNMPRequest2Edits *certificateBinding() const { return m_certificate; }

private:
    void refresh();
    void setChecked();

    QPointer<QxSNMPRequest2Edits> m_certificate;
};
