#pragma once

#include "dialogs/switching/TLldpNamesForm.h"

// "Remote Link Aggregation Table": the neighbours' link aggregation status as names.
class TLLDPDot3RemoteLinkAggForm final : public TLldpNamesForm
{
    Q_OBJECT

public:
    explicit TLLDPDot3RemoteLinkAggForm(QWidget *parent);
};
