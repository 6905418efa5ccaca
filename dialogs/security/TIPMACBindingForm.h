#pragma once

#include "dialogs/security/TAclTableForm.h"

// "IP-MAC Binding Table": which MAC address may use an IP address, on which
// ports, learnt by ARP or set by hand. A binding is added, edited and deleted
// by its row status, which the dialog chooses itself.
class TIPMACBindingForm final : public TAclTableForm
{
    Q_OBJECT

public:
    explicit TIPMACBindingForm(QWidget *parent);

protected:
    bool addAccepted() override;
    QList<int> addExclusions() override { return {}; }
    bool editAccepted() override { return bindingAccepted(); }
    QList<int> editExclusions() override { return {}; }
    QList<int> deleteExclusions() override;
    void editorCleared() override;
    void rowSelected(QxSNMPRequest2Edits &binding, QTreeWidgetItem *row) override;

private:
    // The address and the MAC, in this order.
    bool bindingAccepted();
};
