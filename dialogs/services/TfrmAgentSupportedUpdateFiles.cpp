#include "dialogs/services/TfrmAgentSupportedUpdateFiles.h"

#include "tables/UpdateFileDialogTables.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Column = UpdateFileDialogTables::Column;

constexpr DedicatedField kFields[] = {
    {Column::Index, "ED_Index", "File Index", DedicatedField::Edit, "%s"},
    {Column::Description, "ED_Description", "File Description", DedicatedField::Edit, "%s{l64}"},
    {Column::Address, "ED_IPAddress", "File Address", DedicatedField::Edit, "%s{l16}"},
    {Column::TransferType, "CBox_TransferType", "File Transfer Type", DedicatedField::DropDown},
    {Column::Name, "ED_Name", "File Name", DedicatedField::Edit, "%s{l128}"},
    {Column::LocateId, "ED_LocateID", "File Locate ID", DedicatedField::Edit, "%i{n1x16}"},
    {Column::LoadType, "CBox_LoadType", "File Load Type", DedicatedField::DropDown},
    {Column::Control, "CBox_Control", "File Control", DedicatedField::DropDown},
    {Column::BIncrement, "CBox_FileBIncrement", "File BIncrement", DedicatedField::DropDown},
    {Column::MultipleImageId, "ED_MultipleImageControlID", "Multiple Image Control ID", DedicatedField::Edit, "%s"},
};

} // namespace

TfrmAgentSupportedUpdateFiles::TfrmAgentSupportedUpdateFiles(QWidget *parent)
    : TDedicatedForm(parent,
                     {.caption = "Agent Supported Update Files", .status = StatusOutput::StatusBar, .size = {720, 520}})
{
    runCreation([this] {
        m_files = &addBinding(UpdateFileDialogTables::updateFiles);
        QxListView *list = addList(*m_files, "ListView1");
        addFields(*m_files, kFields);
        m_index = control<QLineEdit>("ED_Index");
        addRowCount("Static", list, false)->setAlignment(Qt::AlignCenter);
        addButton("Refresh", "GetButton", [this] { refresh(); });
        m_btnSet = addButton("Set", "EditButton", [this] { set(); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_files);
    });
    if (m_btnSet)
        m_btnSet->setEnabled(false);
}

void TfrmAgentSupportedUpdateFiles::clearInput()
{
    for (const DedicatedField &field : kFields) {
        if (field.kind == DedicatedField::Edit)
            control<QLineEdit>(field.objectName)->clear();
        else
            control<QComboBox>(field.objectName)->setCurrentIndex(-1);
    }
    setKeyEditable(m_index, true);
    m_index->setEnabled(true);
}

void TfrmAgentSupportedUpdateFiles::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    m_btnSet->setEnabled(row != nullptr);
    if (!row) {
        clearInput();
        return;
    }
    // The index of an existing row is not changed.
    setKeyEditable(m_index, false);
    m_index->setEnabled(false);
}

void TfrmAgentSupportedUpdateFiles::refresh()
{
    // What the read raises goes to the status panel.
    refreshBinding(m_files);
    clearInput();
}

void TfrmAgentSupportedUpdateFiles::set()
{
    if (!validAddress(control<QLineEdit>("ED_IPAddress")))
        return;
    write({.binding = m_files, .succeeded = [this] { clearInput(); }});
}
