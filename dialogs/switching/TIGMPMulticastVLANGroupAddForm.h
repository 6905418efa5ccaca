#pragma once

#include "dialogs/dedicated/TDedicatedForm.h"

class QComboBox;
class QLineEdit;

// The add window of the multicast VLAN group dialog. Its controls are the main
// dialog's binding's: a selected row shows its keys here, and Add writes the
// range typed here as a new row (createAndGo).
class TIGMPMulticastVLANGroupAddForm final : public TDedicatedForm
{
    Q_OBJECT

public:
    TIGMPMulticastVLANGroupAddForm(QWidget *parent, QxSNMPRequest2Edits &groups);

    QComboBox *stateCombo() const { return m_state; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void add();

    QxSNMPRequest2Edits &m_groups;
    QLineEdit *m_vid = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QComboBox *m_state = nullptr;
};
