#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

// "SMTP Control Table": the mail server, the sender address and the test mail,
// which the switch sends when "send" is written (after a question, with a
// progress dialog while it does).
class TSMTPControlForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TSMTPControlForm(QWidget *parent);

    QxSNMPRequest2Edits *smtpBinding() const { return m_smtp; }

private:
    void set();
    // The fixed-time progress of a test mail the switch is sending.
    void showSendProgress();

    QPointer<QxSNMPRequest2Edits> m_smtp;
};
