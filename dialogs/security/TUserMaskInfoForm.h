#pragma once

#include "dialogs/security/TPacketMaskForm.h"

// "User Defined Mask Information": the packet-content masks of the access lists.
class TUserMaskInfoForm final : public TPacketMaskForm
{
    Q_OBJECT

public:
    explicit TUserMaskInfoForm(QWidget *parent);
};
