#pragma once

#include "dialogs/switching/TDedicatedForm.h"

class QComboBox;
class QLabel;
class QPushButton;

// "802.1Q Basic Configure": the Q-BRIDGE version, limits and VLAN count, and
// the GVRP switch. Refresh reads them, Set writes the GVRP status.
class TVLanGeneralInfoForm : public TDedicatedForm
{
    Q_OBJECT

public:
    explicit TVLanGeneralInfoForm(QWidget *parent);

    QxSNMPRequest2Edits *scalarBinding() const { return m_binding; }

    void RefreshBtnClick();
    void SetBtnClick();

private:
    void FormCreate();

    QLabel *m_versionNumber;
    QLabel *m_maxVlanId;
    QLabel *m_maxSupportedVlans;
    QLabel *m_currentNumOfVlans;
    QComboBox *m_gvrpStatus;
    QPointer<QxSNMPRequest2Edits> m_binding;
};
