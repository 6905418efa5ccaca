#pragma once

#include "dialogs/security/TIpMaskForm.h"

// "IP Mask (CPU Filter)": the IP masks of the CPU filter (profiles 1 to 3),
// with ICMP and IGMP options and a user mask.
class TCPUIPMaskInformationForm final : public TIpMaskForm
{
    Q_OBJECT

public:
    explicit TCPUIPMaskInformationForm(QWidget *parent);
};
