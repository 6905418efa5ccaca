#pragma once

#include "dialogs/security/TEthernetMaskForm.h"

// "Ethernet Mask (CPU Filter)": the Ethernet masks of the CPU filter (profiles 1 to 3).
class TCPUEthernetInformationForm final : public TEthernetMaskForm
{
    Q_OBJECT

public:
    explicit TCPUEthernetInformationForm(QWidget *parent);
};
