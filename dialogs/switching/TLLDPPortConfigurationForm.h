#pragma once

#include "dialogs/switching/TLldpTlvSelectionForm.h"

// The basic TLVs a port sends: port description, system name, system
// description and system capabilities.
class TLLDPPortConfigurationForm final : public TLldpTlvSelectionForm
{
    Q_OBJECT

public:
    TLLDPPortConfigurationForm(QWidget *parent, QLineEdit *tlvs);
};
