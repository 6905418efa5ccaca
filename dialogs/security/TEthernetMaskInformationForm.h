#pragma once

#include "dialogs/security/TEthernetMaskForm.h"

// "Ethernet Mask": the Ethernet masks of the access lists (IDs 1 to 256).
class TEthernetMaskInformationForm final : public TEthernetMaskForm
{
    Q_OBJECT

public:
    explicit TEthernetMaskInformationForm(QWidget *parent);
};
