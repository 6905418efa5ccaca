#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QLineEdit;
class QPushButton;

// "System Log Host Table": up to four syslog servers, each with its facility,
// severity, UDP port and state. Add creates a host (createAndGo), Set changes
// the selected one, Delete destroys it by its status alone.
class TSystemLogServerForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TSystemLogServerForm(QWidget *parent);

    QxSNMPRequest2Edits *hostBinding() const { return m_hosts; }

    // 514, or 6000 to 65535; a text that is no number is -1.
    static bool validUdpPort(const QString &text);

protected:
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void add();
    void set();
    void remove();
    bool portAccepted();
    void clearInput();

    QLineEdit *m_index = nullptr;
    QLineEdit *m_address = nullptr;
    QLineEdit *m_port = nullptr;
    QPushButton *m_btnSet = nullptr;
    QPushButton *m_btnDelete = nullptr;
    QPointer<QxSNMPRequest2Edits> m_hosts;
};
