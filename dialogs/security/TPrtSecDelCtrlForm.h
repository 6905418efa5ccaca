#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QLineEdit;

// "Port Security Delete Table": deletes one address that port security has
// learnt, named by its VLAN, port and MAC address. The port is typed as a
// port of the unit and travels as its number over all units.
class TPrtSecDelCtrlForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TPrtSecDelCtrlForm(QWidget *parent);

private:
    void refresh();
    void set();
    // The port as read, shown as unit and port.
    void showPort();

    QLineEdit *m_unit = nullptr;
    QLineEdit *m_port = nullptr;
    QPointer<QxSNMPRequest2Edits> m_delete;
};
