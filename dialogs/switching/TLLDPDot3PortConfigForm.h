#pragma once

#include "dialogs/switching/TLldpTlvsForm.h"

// "LLDP Dot3 Port Configuration Table": the 802.3 TLVs each port sends.
class TLLDPDot3PortConfigForm final : public TLldpTlvsForm
{
    Q_OBJECT

public:
    explicit TLLDPDot3PortConfigForm(QWidget *parent);
};
