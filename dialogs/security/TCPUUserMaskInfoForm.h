#pragma once

#include "dialogs/security/TPacketMaskForm.h"

// "User Mask Information(CPU Filter)": the packet-content masks of the CPU filter.
class TCPUUserMaskInfoForm final : public TPacketMaskForm
{
    Q_OBJECT

public:
    explicit TCPUUserMaskInfoForm(QWidget *parent);
};
