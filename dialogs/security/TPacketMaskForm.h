#pragma once

#include "dialogs/security/TAclTableForm.h"

// The packet-content masks of the access lists and of the CPU filter: mask
// octets for the first 80 bytes of a frame, in five chunks of sixteen, each
// typed as up to 32 hexadecimal digits.
class TPacketMaskForm : public TAclTableForm
{
    Q_OBJECT

protected:
    TPacketMaskForm(QWidget *parent, const char *caption, const QxDescriptorTable &table, const char *idFormat);

    bool addAccepted() override;
    QList<int> addExclusions() override;
};
