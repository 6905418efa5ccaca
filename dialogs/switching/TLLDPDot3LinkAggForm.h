#pragma once

#include "dialogs/switching/TLldpNamesForm.h"

// "Local Link Aggregation Table": each port's link aggregation status as names.
class TLLDPDot3LinkAggForm final : public TLldpNamesForm
{
    Q_OBJECT

public:
    explicit TLLDPDot3LinkAggForm(QWidget *parent);
};
