#pragma once

#include "dialogs/security/TAclTableForm.h"

// The Ethernet masks of the access lists and of the CPU filter: which MAC
// addresses (source, destination or both), VLAN, 802.1p and Ethernet type a
// profile's rules look at. A MAC mask is twelve hexadecimal digits.
class TEthernetMaskForm : public TAclTableForm
{
    Q_OBJECT

protected:
    TEthernetMaskForm(QWidget *parent, const char *caption, const QxDescriptorTable &table, const char *idFormat);

    bool addAccepted() override;
    QList<int> addExclusions() override;
};
