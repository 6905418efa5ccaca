#include "dialogs/switching/TVlanStaticForm.h"

#include "binding/InvalidColumns.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "device/TPortUitForm.h"
#include "tables/VlanDialogTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
namespace Column = VlanDialogTables::StaticColumn;
// Only a VLAN number can become a row instance.
const char kVlanIdFormat[] = "%i{n1x4094l4}";
} // namespace

TVlanStaticForm::TVlanStaticForm(QWidget *parent)
    : TDedicatedForm(parent, QStringLiteral("VLAN Static Form"))
    , m_listView(new QxListView)
    , m_vlanId(new QLineEdit)
    , m_vlanName(new QLineEdit)
    , m_status(new QComboBox)
    , m_nextFreeIndex(sunkenText(QStringLiteral("NextFreeLocalVlanIndex")))
    , m_portPages(new QTabWidget)
{
    m_listView->setObjectName(QStringLiteral("LV_dot1qVlanStaticEntry"));
    m_vlanId->setObjectName(QStringLiteral("ED_VLANID"));
    m_vlanName->setObjectName(QStringLiteral("ED_VLANName"));
    m_status->setObjectName(QStringLiteral("Status"));
    m_portPages->setObjectName(QStringLiteral("PageControl1"));

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(m_listView, 1);
    auto *editor = new QGridLayout;
    editor->addWidget(new QLabel(QStringLiteral("VLAN ID")), 0, 0);
    editor->addWidget(m_vlanId, 0, 1);
    editor->addWidget(new QLabel(QStringLiteral("VLAN Name")), 0, 2);
    editor->addWidget(m_vlanName, 0, 3);
    editor->addWidget(new QLabel(QStringLiteral("Status")), 1, 0);
    editor->addWidget(m_status, 1, 1);
    editor->addWidget(new QLabel(QStringLiteral("Next Free Local VLAN Index")), 1, 2);
    editor->addWidget(m_nextFreeIndex, 1, 3);
    layout->addLayout(editor);
    m_portPages->setMinimumHeight(130);
    layout->addWidget(m_portPages);
    auto *bottom = new QHBoxLayout;
    m_count = addSamplesCount(bottom, QStringLiteral("ST_Count2"), m_listView);
    bottom->addStretch(1);
    m_btnRefresh = addButton(bottom, QStringLiteral("Refresh"), QStringLiteral("btnRefresh"), [this] { RefreshBtnClick(); });
    m_btnSet = addButton(bottom, QStringLiteral("Set"), QStringLiteral("btnSet"), [this] { SetBtnClick(); });
    m_btnAdd = addButton(bottom, QStringLiteral("Add"), QStringLiteral("btnAdd"), [this] { AddBtnClick(); });
    m_btnDelete = addButton(bottom, QStringLiteral("Delete"), QStringLiteral("btnDelete"), [this] { DeleteBtnClick(); });
    layout->addLayout(bottom);
    resize(640, 560);

    runCreation([this] { FormCreate(); });
}

void TVlanStaticForm::FormCreate()
{
    m_egress = addPortPickerPage(m_portPages, QStringLiteral("Egress Ports"));
    m_forbidden = addPortPickerPage(m_portPages, QStringLiteral("Forbidden Egress Ports"));
    m_untagged = addPortPickerPage(m_portPages, QStringLiteral("Untagged Ports"));

    QxSNMPRequest2Edits &table = addBinding(VlanDialogTables::vlanStaticTableTable);
    m_table = &table;
    table.bindListView(m_listView);
    table.bindFormatted(Column::VlanId, QString::fromLatin1(kVlanIdFormat), m_vlanId);
    table.bindFormatted(Column::Name, QStringLiteral("%s"), m_vlanName);
    bindPortPicker(table, Column::Egress, m_egress);
    bindPortPicker(table, Column::ForbiddenEgress, m_forbidden);
    bindPortPicker(table, Column::Untagged, m_untagged);
    table.bindDropDownList(Column::RowStatus, m_status);
    onRowSelection(m_listView, [this](QTreeWidgetItem *selected) { rowClick(selected); });
    refreshBinding(m_table);
    showCount(m_count, m_listView);

    QxSNMPRequest2Edits &nextFree = addBinding(VlanDialogTables::nextFreeVlanIndexTable);
    m_nextFree = &nextFree;
    nextFree.bindControl(0, m_nextFreeIndex);
    refreshBinding(m_nextFree);
    buttonsForNewRow();
}

void TVlanStaticForm::buttonsForNewRow()
{
    m_btnSet->setEnabled(false);
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(true);
}

void TVlanStaticForm::rowClick(QTreeWidgetItem *selected)
{
    if (selected) {
        m_btnSet->setEnabled(true);
        m_btnDelete->setEnabled(true);
        m_btnAdd->setEnabled(false);
        return;
    }
    clearEditor();
    buttonsForNewRow();
}

void TVlanStaticForm::clearEditor()
{
    for (TPortUitForm *picker : {m_egress, m_forbidden, m_untagged})
        if (picker)
            picker->ClearAll();
    m_vlanId->clear();
    m_vlanName->clear();
    m_status->setCurrentIndex(-1);
}

void TVlanStaticForm::RefreshBtnClick()
{
    refreshBinding(m_nextFree);
    refreshBinding(m_table);
    showCount(m_count, m_listView);
    clearEditor();
    buttonsForNewRow();
}

void TVlanStaticForm::SetBtnClick()
{
    applyBinding(m_table, true, [this] {
        clearEditor();
        buttonsForNewRow();
    });
}

void TVlanStaticForm::AddBtnClick()
{
    applyWithStatus(VlanDialogTables::rowStatusCreateAndGo, {}, [this] { clearEditor(); });
}

void TVlanStaticForm::DeleteBtnClick()
{
    // A row is destroyed by its status alone; its values are not sent along.
    applyWithStatus(VlanDialogTables::rowStatusDestroy,
                    {Column::Name, Column::Egress, Column::ForbiddenEgress, Column::Untagged}, [this] {
                        clearEditor();
                        buttonsForNewRow();
                    });
}

void TVlanStaticForm::applyWithStatus(int status, const QList<int> &notSent, const std::function<void()> &succeeded)
{
    if (!m_table)
        return;
    // The status is the dialog's choice for this one write; the user's own
    // choice is back in the list unless the write has gone through.
    const int chosen = m_status->currentIndex();
    m_status->setCurrentIndex(status);
    {
        InvalidColumns keptOut(m_table->varList(), notSent);
        applyBinding(m_table, true, succeeded);
    }
    if (m_status->currentIndex() == status)
        m_status->setCurrentIndex(chosen);
}
