#include "dialogs/security/TCertificateFileForm.h"

#include "tables/SslSafeguardDialogTables.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

namespace Column = SslSafeguardDialogTables::CertificateColumn;

constexpr DedicatedCheckedField kRows[] = {
    {{Column::ServerAddress, "ED_IPAddress", "Certificate File IP Address", DedicatedField::Edit, "%s{l16}"},
     "CheckBox_IPAddress"},
    {{Column::FilePath, "ED_FilePath", "Certificate File Path", DedicatedField::Edit, "%s{l64}"}, "CheckBox_FilePath"},
    {{Column::KeyFilePath, "ED_KeyFilePath", "Certificate Key File Path", DedicatedField::Edit, "%s{l64}"},
     "CheckBox_KeyFilePath"},
    {{Column::FileControl, "Combox_FileControl", "Certificate File Control", DedicatedField::DropDown},
     "CheckBox_FileControl"},
};
constexpr DedicatedField kShowStatus{Column::ShowStatus, "ED_Status", "Show Status", DedicatedField::ReadOnlyEdit};

} // namespace

TCertificateFileForm::TCertificateFileForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "SSL Certificate File", .status = StatusOutput::Memo, .size = {600, 300}})
{
    runCreation([this] {
        m_certificate = &addBinding(SslSafeguardDialogTables::certificate, {.synchronous = true});
        for (const DedicatedCheckedField &row : kRows)
            addCheckedField(*m_certificate, row.field, row.box, row.field.caption);
        addFields(*m_certificate, std::span<const DedicatedField>(&kShowStatus, 1));
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Set Checked ", "btnSetChecked", [this] { setChecked(); });
        addButton("Check All", "btnCheckAll", [this] { checkAllRows(true); });
        addButton("Clear All", "btnClearAll", [this] { checkAllRows(false); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_certificate);
    });
}

void TCertificateFileForm::refresh()
{
    refreshBinding(m_certificate);
    checkAllRows(false);
}

void TCertificateFileForm::setChecked()
{
    const DedicatedField &address = kRows[0].field;
    if (control<QCheckBox>(kRows[0].box)->isChecked() && !validAddress(control<QLineEdit>(address.objectName)))
        return;
    // A write that fails leaves the values and ticks as the user set them.
    write({.binding = m_certificate,
           .tickedOnly = true,
           .readBack = DedicatedWrite::ReadBack::Never,
           .succeeded = [this] { refresh(); }});
}
