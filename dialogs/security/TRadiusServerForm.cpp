#include "dialogs/security/TRadiusServerForm.h"

#include "dialogs/security/TRadiusServerEditForm.h"
#include "tables/RadiusDialogTables.h"

#include <QComboBox>
#include <QPushButton>

namespace {
namespace Tables = RadiusDialogTables;
namespace Column = Tables::Column;
} // namespace

TRadiusServerForm::TRadiusServerForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Radius Server", .status = StatusOutput::Memo, .size = {640, 400}})
{
    runCreation([this] {
        m_servers = &addBinding(Tables::servers, {.synchronous = true});
        m_list = addList(*m_servers, "ListView1");
        m_edit = new TRadiusServerEditForm(this, *m_servers, m_list);
        // The count follows the list, so it is the walk's.
        addRowCount("StaticText1", m_list, false);
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        m_btnEdit = addButton("Edit", "btnEdit", [this] { edit(); });
        connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { handleEvent(m_servers, [this] { edit(); }); });
        refreshBinding(m_servers);
    });
    if (m_btnEdit)
        deselect();
}

void TRadiusServerForm::deselect()
{
    m_list->clearSelection();
    m_btnEdit->setEnabled(false);
    m_btnDelete->setEnabled(false);
}

void TRadiusServerForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    // A click beside the rows leaves the buttons as they are: Delete then
    // says that nothing is chosen.
    if (!row)
        return;
    m_btnEdit->setEnabled(true);
    m_btnDelete->setEnabled(true);
}

void TRadiusServerForm::refresh()
{
    if (m_servers && m_servers->busy())
        return;
    refreshBinding(m_servers);
    deselect();
}

void TRadiusServerForm::add()
{
    deselect();
    m_edit->setMode(TRadiusServerEditForm::Mode::Add);
    m_edit->setWindowTitle(windowTitle() + QStringLiteral(" (Add)"));
    runModal(*m_edit);
    deselect();
}

void TRadiusServerForm::edit()
{
    if (m_list->selectedItems().isEmpty())
        return;
    m_edit->setMode(TRadiusServerEditForm::Mode::Edit);
    m_edit->setWindowTitle(windowTitle());
    runModal(*m_edit);
    deselect();
}

void TRadiusServerForm::remove()
{
    if (!passes({
            {[this] { return m_list->selectedItems().isEmpty(); }, "Choose the item first."},
            {[this] { return m_servers->busy(); }, "Get data not complete"},
        }))
        return;
    // A server goes by its status alone; the list is read again with every
    // column back.
    write({.binding = m_servers,
           .row = DedicatedWrite::Row::Selected,
           .keptOut = {Column::Address, Column::Key, Column::AuthPort, Column::AccountingPort},
           .status = m_edit->statusCombo(),
           .statusItem = Tables::statusDestroy,
           .succeeded = [this] { deselect(); }});
}
