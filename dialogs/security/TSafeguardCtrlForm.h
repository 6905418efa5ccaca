#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QLabel;
class QPushButton;

// "Safeguard Control": the safeguard engine's CPU thresholds, mode and alarm,
// each written only when its row is ticked, each in a write of its own.
class TSafeguardCtrlForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TSafeguardCtrlForm(QWidget *parent);

    QxSNMPRequest2Edits *safeguardBinding() const { return m_safeguard; }

private:
    void refresh();
    void setChecked();
    // The ticked columns in the order they are written.
    QList<int> writeOrder() const;
    void updateSetButton();

    QPushButton *m_btnSet = nullptr;
    // The falling threshold as last read from the switch (hidden).
    QLabel *m_lastFalling = nullptr;
    QPointer<QxSNMPRequest2Edits> m_safeguard;
};
