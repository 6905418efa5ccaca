#include "dialogs/switching/TVLanPortInfomationForm.h"

#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "tables/VlanDialogTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const char kRefreshNotComplete[] = "Refresh Not Complete";
}

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget *parent)
    : TDedicatedForm(parent, QStringLiteral("VLAN Port Information Form"))
    , m_listView(new QxListView)
    , m_portVlanId(new QLineEdit)
    , m_acceptableFrameTypes(new QComboBox)
    , m_ingressFiltering(new QComboBox)
    , m_gvrpStatus(new QComboBox)
{
    m_listView->setObjectName(QStringLiteral("LV_dot1qPortVlanEntry"));
    m_portVlanId->setObjectName(QStringLiteral("PortVLanID"));
    m_acceptableFrameTypes->setObjectName(QStringLiteral("AcceptableFrameTypes"));
    m_ingressFiltering->setObjectName(QStringLiteral("IngressFiltering"));
    m_gvrpStatus->setObjectName(QStringLiteral("GvrpStatus"));

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(m_listView, 1);
    auto *editor = new QGridLayout;
    editor->addWidget(new QLabel(QStringLiteral("Port VLAN ID")), 0, 0);
    editor->addWidget(m_portVlanId, 0, 1);
    editor->addWidget(new QLabel(QStringLiteral("Acceptable Frame Types")), 0, 2);
    editor->addWidget(m_acceptableFrameTypes, 0, 3);
    editor->addWidget(new QLabel(QStringLiteral("Ingress Filtering")), 1, 0);
    editor->addWidget(m_ingressFiltering, 1, 1);
    editor->addWidget(new QLabel(QStringLiteral("GVRP Status")), 1, 2);
    editor->addWidget(m_gvrpStatus, 1, 3);
    layout->addLayout(editor);
    auto *bottom = new QHBoxLayout;
    m_count = addSamplesCount(bottom, QStringLiteral("ST_Count"), m_listView);
    bottom->addStretch(1);
    addButton(bottom, QStringLiteral("Refresh"), QStringLiteral("btnRefresh"), [this] { RefreshBtnClick(); });
    addButton(bottom, QStringLiteral("Set"), QStringLiteral("btnSet"), [this] { SetBtnClick(); });
    layout->addLayout(bottom);
    resize(640, 480);

    runCreation([this] { FormCreate(); });
}

void TVLanPortInfomationForm::FormCreate()
{
    QxSNMPRequest2Edits &b = addBinding(VlanDialogTables::portVlanTableTable);
    m_binding = &b;
    b.bindListView(m_listView);
    b.bindFormatted(1, QStringLiteral("%i{}"), m_portVlanId);
    b.bindDropDownList(2, m_acceptableFrameTypes);
    b.bindDropDownList(3, m_ingressFiltering);
    b.bindDropDownList(4, m_gvrpStatus);
    onReadDone(m_binding, [this](const QxSNMPError &) { tableRead(); });
    onWriteDone(m_binding, [this](const QxSNMPError &error) {
        // A failed write is not re-read: there is no row to look for.
        if (error.code != 0)
            m_reselectPending = false;
    });
    refreshBinding(m_binding);
    m_portVlanId->clear();
    showCount(m_count, m_listView);
}

bool TVLanPortInfomationForm::refusedWhileBusy()
{
    if (!m_binding || !m_binding->busy())
        return false;
    inform(QString::fromLatin1(kRefreshNotComplete));
    return true;
}

void TVLanPortInfomationForm::RefreshBtnClick()
{
    if (refusedWhileBusy())
        return;
    m_reselectPending = false;
    refreshBinding(m_binding);
    showCount(m_count, m_listView);
}

void TVLanPortInfomationForm::SetBtnClick()
{
    if (refusedWhileBusy() || !m_binding)
        return;
    const QList<QTreeWidgetItem *> selected = m_listView->selectedItems();
    m_reselectPort = selected.isEmpty() ? QString() : selected.first()->text(0);
    m_reselectPending = !selected.isEmpty();
    if (!applyBinding(m_binding))
        m_reselectPending = false;
}

void TVLanPortInfomationForm::tableRead()
{
    showCount(m_count, m_listView);
    if (!m_reselectPending)
        return;
    m_reselectPending = false;
    for (int i = 0; i < m_listView->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_listView->topLevelItem(i);
        if (item->text(0) == m_reselectPort) {
            // Selecting copies the row into the controls again.
            m_listView->setCurrentItem(item);
            item->setSelected(true);
            m_listView->scrollToItem(item);
            return;
        }
    }
    m_portVlanId->clear();
}
