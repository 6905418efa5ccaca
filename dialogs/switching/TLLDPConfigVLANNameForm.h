#pragma once

#include "dialogs/switching/TLldpTxForm.h"

// "Configuration VLAN Name Table": whether each port sends its VLANs' names.
class TLLDPConfigVLANNameForm final : public TLldpTxForm
{
    Q_OBJECT

public:
    explicit TLLDPConfigVLANNameForm(QWidget *parent);
};
