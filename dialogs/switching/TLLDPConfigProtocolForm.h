#pragma once

#include "dialogs/switching/TLldpTxForm.h"

// "Configuration Protocol Table": whether each port sends its protocols.
class TLLDPConfigProtocolForm final : public TLldpTxForm
{
    Q_OBJECT

public:
    explicit TLLDPConfigProtocolForm(QWidget *parent);
};
