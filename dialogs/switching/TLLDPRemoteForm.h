#pragma once

#include "dialogs/switching/TLldpNamesForm.h"

// "LLDP Remote Table": the neighbours each port has learnt, with their capabilities as names.
class TLLDPRemoteForm final : public TLldpNamesForm
{
    Q_OBJECT

public:
    explicit TLLDPRemoteForm(QWidget *parent);
};
