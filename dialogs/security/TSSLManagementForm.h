#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

#include <array>

class QComboBox;

// "SSL Management": the switch's secure web management, its state, the four
// cipher suites it offers (each enabled or disabled in a list of its own, kept
// as one octet in a hidden edit) and the session cache time-out.
class TSSLManagementForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TSSLManagementForm(QWidget *parent);

    QxSNMPRequest2Edits *sslBinding() const { return m_ssl; }

private:
    void refresh();
    void set();
    // The hidden edit's octet into the suites' lists.
    void showSuites();

    std::array<QComboBox *, 4> m_suites{};
    QPointer<QxSNMPRequest2Edits> m_ssl;
};
