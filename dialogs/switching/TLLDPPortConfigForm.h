#pragma once

#include "dialogs/switching/TLldpTlvsForm.h"

// "Port Configuration": each port's LLDP administration status, notification
// and the basic TLVs it sends.
class TLLDPPortConfigForm final : public TLldpTlvsForm
{
    Q_OBJECT

public:
    explicit TLLDPPortConfigForm(QWidget *parent);
};
