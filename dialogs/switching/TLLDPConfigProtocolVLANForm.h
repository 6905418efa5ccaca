#pragma once

#include "dialogs/switching/TLldpTxForm.h"

// "Configuration Protocol VLAN  Table": whether each port sends its protocol VLANs.
class TLLDPConfigProtocolVLANForm final : public TLldpTxForm
{
    Q_OBJECT

public:
    explicit TLLDPConfigProtocolVLANForm(QWidget *parent);
};
