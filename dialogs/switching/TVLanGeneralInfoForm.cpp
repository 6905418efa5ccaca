#include "dialogs/switching/TVLanGeneralInfoForm.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "tables/VlanDialogTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget *parent)
    : TDedicatedForm(parent, QStringLiteral("802.1Q Basic Configure"))
    , m_versionNumber(sunkenText(QStringLiteral("VlanVersionNumber")))
    , m_maxVlanId(sunkenText(QStringLiteral("MaxVlanId")))
    , m_maxSupportedVlans(sunkenText(QStringLiteral("MaxSupportedVlans")))
    , m_currentNumOfVlans(sunkenText(QStringLiteral("CurrentNumOfVlans")))
    , m_gvrpStatus(new QComboBox)
{
    m_gvrpStatus->setObjectName(QStringLiteral("GvrpStatus"));
    auto *layout = new QVBoxLayout(body());
    auto *grid = new QGridLayout;
    const QList<QPair<QString, QWidget *>> rows{
        {QStringLiteral("VLAN Version Number"), m_versionNumber},
        {QStringLiteral("Max VLAN ID"), m_maxVlanId},
        {QStringLiteral("Max Supported VLANs"), m_maxSupportedVlans},
        {QStringLiteral("Current Num Of VLANs"), m_currentNumOfVlans},
        {QStringLiteral("GVRP Status"), m_gvrpStatus},
    };
    for (int r = 0; r < rows.size(); ++r) {
        grid->addWidget(new QLabel(rows.at(r).first), r, 0);
        grid->addWidget(rows.at(r).second, r, 1);
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    addButton(buttons, QStringLiteral("Refresh"), QStringLiteral("btnRefresh"), [this] { RefreshBtnClick(); });
    addButton(buttons, QStringLiteral("Set"), QStringLiteral("btnSet"), [this] { SetBtnClick(); });
    layout->addLayout(buttons);
    resize(360, 280);

    runCreation([this] { FormCreate(); });
}

void TVLanGeneralInfoForm::FormCreate()
{
    QxSNMPRequest2Edits &b = addBinding(VlanDialogTables::vlanScalarsTable);
    m_binding = &b;
    b.bindControl(0, m_versionNumber);
    b.bindControl(1, m_maxVlanId);
    b.bindControl(2, m_maxSupportedVlans);
    b.bindControl(3, m_currentNumOfVlans);
    b.bindDropDownList(4, m_gvrpStatus);
    refreshBinding(m_binding);
}

void TVLanGeneralInfoForm::RefreshBtnClick()
{
    refreshBinding(m_binding);
}

void TVLanGeneralInfoForm::SetBtnClick()
{
    applyBinding(m_binding);
}
