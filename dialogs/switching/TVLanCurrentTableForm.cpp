#include "dialogs/switching/TVLanCurrentTableForm.h"

#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "device/TPortUitForm.h"
#include "tables/VlanDialogTables.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
namespace Column = VlanDialogTables::CurrentColumn;
}

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget *parent)
    : TDedicatedForm(parent, QStringLiteral("VLAN Current Table"))
    , m_listView(new QxListView)
    , m_numDeletes(sunkenText(QStringLiteral("VlanNumDeletes")))
    , m_vlanIndex(sunkenText(QStringLiteral("StaticText1")))
    , m_portPages(new QTabWidget)
{
    m_listView->setObjectName(QStringLiteral("LV_dot1qVlanCurrentEntry"));
    m_portPages->setObjectName(QStringLiteral("PageControl1"));

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(m_listView, 1);
    auto *texts = new QGridLayout;
    texts->addWidget(new QLabel(QStringLiteral("VLAN Delete Numbers")), 0, 0);
    texts->addWidget(m_numDeletes, 0, 1);
    texts->addWidget(new QLabel(QStringLiteral("VLAN Index")), 0, 2);
    texts->addWidget(m_vlanIndex, 0, 3);
    layout->addLayout(texts);
    m_portPages->setMinimumHeight(130);
    layout->addWidget(m_portPages);
    auto *bottom = new QHBoxLayout;
    m_count = addSamplesCount(bottom, QStringLiteral("ST_Count2"), m_listView);
    bottom->addStretch(1);
    addButton(bottom, QStringLiteral("Refresh"), QStringLiteral("btnRefresh"), [this] { RefreshBtnClick(); });
    // The dialog only reads: its Set button is never shown.
    m_btnSet = addButton(bottom, QStringLiteral("Set"), QStringLiteral("btnSet"), [] {});
    m_btnSet->setVisible(false);
    layout->addLayout(bottom);
    resize(640, 520);

    runCreation([this] { FormCreate(); });
}

void TVLanCurrentTableForm::FormCreate()
{
    m_egress = addPortPickerPage(m_portPages, QStringLiteral("Egress Port"));
    m_untagged = addPortPickerPage(m_portPages, QStringLiteral("Untagged Port"));
    // The dialog never writes: its port maps only show.
    m_egress->setReadOnly(true);
    m_untagged->setReadOnly(true);

    QxSNMPRequest2Edits &scalars = addBinding(VlanDialogTables::vlanDeletionScalarsTable);
    m_scalars = &scalars;
    scalars.bindControl(0, m_numDeletes);
    refreshBinding(m_scalars);

    QxSNMPRequest2Edits &table = addBinding(VlanDialogTables::vlanCurrentTableTable);
    m_table = &table;
    table.bindListView(m_listView);
    table.bindControl(Column::VlanIndex, m_vlanIndex);
    bindPortPicker(table, Column::Egress, m_egress);
    bindPortPicker(table, Column::Untagged, m_untagged);
    onRowSelection(m_listView, [this](QTreeWidgetItem *selected) {
        if (!selected)
            clearSelection();
    });
    refreshBinding(m_table);
    showCount(m_count, m_listView);
}

void TVLanCurrentTableForm::clearSelection()
{
    for (TPortUitForm *picker : {m_egress, m_untagged})
        if (picker)
            picker->ClearAll();
    m_vlanIndex->clear();
}

void TVLanCurrentTableForm::RefreshBtnClick()
{
    refreshBinding(m_scalars);
    refreshBinding(m_table);
    showCount(m_count, m_listView);
    clearSelection();
}
