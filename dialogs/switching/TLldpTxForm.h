#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QPushButton;

// What the three LLDP 802.1 transmit-switch dialogs share: the port and
// VLAN (or protocol) rows with their transmit switch. Refresh and Set wait for
// the exchange before them; Set writes the selected row and the table is read
// again once the switch has answered; Stop ends a running read.
class TLldpTxForm : public TDedicatedForm
{
    Q_OBJECT

public:
    struct Spec
    {
        const char *caption;
        const QxDescriptorTable *table;
        const char *indexLabel; // "VLAN ID", or "Index" for protocols
    };

    QxSNMPRequest2Edits *tableBinding() const { return m_table; }

protected:
    TLldpTxForm(QWidget *parent, const Spec &spec);

    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    void refresh();
    void set();
    void clearEditor();

    QxListView *m_list = nullptr;
    QPushButton *m_btnSet = nullptr;
    QPointer<QxSNMPRequest2Edits> m_table;
};
