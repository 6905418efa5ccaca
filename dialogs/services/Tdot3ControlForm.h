#pragma once

#include "dialogs/services/TCounterMonitorForm.h"

#include <QList>

class QCheckBox;

// "Dot3 Control Table": the MAC control functions each port supports (pause
// is the one shown) and the frames with an unknown MAC control opcode one
// port received, kept up to date on the chosen interval.
class Tdot3ControlForm final : public TCounterMonitorForm
{
    Q_OBJECT

public:
    explicit Tdot3ControlForm(QWidget *parent);

protected:
    void portsRead() override;
    void clearPortControls() override;

private:
    // The boxes that are shown, of the first seven.
    QList<QCheckBox *> visibleBoxes() const;

    QList<QCheckBox *> m_functions;
};
