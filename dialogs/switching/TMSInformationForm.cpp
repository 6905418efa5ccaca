#include "dialogs/switching/TMSInformationForm.h"

#include "dialogs/switching/TMSEditForm.h"
#include "tables/MemberSwitchDialogTables.h"

#include <QPushButton>

namespace {
namespace Column = MemberSwitchDialogTables::MemberColumn;
// Single-IP members answer through the commander: the switch takes its time.
constexpr int MemberTimeout = 500;
} // namespace

TMSInformationForm::TMSInformationForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Member Switch Information", .status = StatusOutput::Memo, .size = {720, 420}})
{
    runCreation([this] {
        m_members = &addBinding(MemberSwitchDialogTables::members, {.timeout = MemberTimeout});
        m_list = addList(*m_members, "ListView1");
        m_edit = new TMSEditForm(this, m_list);
        addButton("Refresh", "GetButton", [this] {
            refreshBinding(m_members);
            m_btnDelete->setEnabled(false);
        });
        addButton("Add", "AddButton", [this] { add(); });
        m_btnDelete = addButton("Delete", "DeleteButton", [this] { remove(); });
        m_btnDelete->setEnabled(false);
        refreshBinding(m_members);
    });
}

void TMSInformationForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    m_btnDelete->setEnabled(row != nullptr);
}

void TMSInformationForm::add()
{
    m_edit->prepareAdd();
    runModal(*m_edit);
    refreshBinding(m_members);
}

void TMSInformationForm::remove()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (!passes({{[&] { return selected.isEmpty(); }, "Choose the item first.", m_btnDelete}}))
        return;
    m_edit->destroyMember(selected.first()->text(Column::Id), [this](bool wrote) {
        if (wrote)
            refreshBinding(m_members);
    });
    m_btnDelete->setEnabled(false);
}
