#pragma once

#include "dialogs/services/TCounterMonitorForm.h"

// "Dot3 Pause Table": each port's pause admin mode (which Set changes for the
// selected port) and operational mode, and the pause frames one port received
// and sent, kept up to date on the chosen interval.
class Tdot3PauseForm final : public TCounterMonitorForm
{
    Q_OBJECT

public:
    explicit Tdot3PauseForm(QWidget *parent);

protected:
    void clearPortControls() override;
};
