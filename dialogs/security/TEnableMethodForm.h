#pragma once

#include "dialogs/security/TMethodListForm.h"

// "Enable Method List": the method lists that authenticate the enable step.
class TEnableMethodForm final : public TMethodListForm
{
    Q_OBJECT

public:
    explicit TEnableMethodForm(QWidget *parent);
};
