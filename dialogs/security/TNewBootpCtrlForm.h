#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "New DHCP Relay Control Entry": a new relay server for an interface. Its
// edits are the relay list's keys, on the list dialog's binding; what it
// raises goes to the list dialog's memo.
class TNewBootpCtrlForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    TNewBootpCtrlForm(QWidget *parent, QxSNMPRequest2Edits &relay, const QTreeWidget *list, QComboBox *status);

    // Puts a listed row's keys into the edits.
    void showRow(const QTreeWidgetItem &row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void set();

    QxSNMPRequest2Edits &m_relay;
    const QTreeWidget *m_list;
    QComboBox *m_status;
    QLineEdit *m_interface = nullptr;
    QLineEdit *m_server = nullptr;
};
