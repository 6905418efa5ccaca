#pragma once

#include "dialogs/security/TIpMaskForm.h"

// "IP Mask": the IP masks of the access lists (IDs 1 to 256). The protocol
// ID is typed and shown as two hexadecimal digits.
class TIPMaskInformationForm final : public TIpMaskForm
{
    Q_OBJECT

public:
    explicit TIPMaskInformationForm(QWidget *parent);
};
