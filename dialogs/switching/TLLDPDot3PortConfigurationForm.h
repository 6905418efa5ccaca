#pragma once

#include "dialogs/switching/TLldpTlvSelectionForm.h"

// The 802.3 TLVs a port sends: MAC/PHY configuration, power via MDI, link
// aggregation and maximum frame size.
class TLLDPDot3PortConfigurationForm final : public TLldpTlvSelectionForm
{
    Q_OBJECT

public:
    TLLDPDot3PortConfigurationForm(QWidget *parent, QLineEdit *tlvs);
};
