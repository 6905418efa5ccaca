#include "dialogs/services/TTimeRangeForm.h"

#include "tables/TimeDialogTables.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace Tables = TimeDialogTables;
namespace Column = Tables::RangeColumn;

constexpr DedicatedField kFields[] = {
    {Column::Name, "edtName", "Name", DedicatedField::Edit, "%s"},
    {Column::Status, "cbxStatus", "Status", DedicatedField::DropDown},
};
constexpr DedicatedField kDays{Column::Days, "edtweekdays", "Week Days(Example SUN,MON,THU)", DedicatedField::Edit,
                               "%s"};
constexpr DedicatedField kDaily[] = {
    {Column::Start, "edtStart", "Start Time", DedicatedField::Edit, "%s"},
    {Column::End, "edtEnd", "End Time", DedicatedField::Edit, "%s"},
};

} // namespace

TTimeRangeForm::TTimeRangeForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Time Range", .status = StatusOutput::StatusBar, .size = {640, 480}})
{
    runCreation([this] {
        m_ranges = &addBinding(Tables::timeRanges);
        addList(*m_ranges, "ListView1");
        addFields(*m_ranges, kFields);
        // Every day of the week reads whole on a line of its own.
        addFieldLine(*m_ranges, kDays);
        m_name = control<QLineEdit>("edtName");
        m_status = control<QComboBox>("cbxStatus");
        // The daily window, each time with the form it takes.
        auto *daily = new QGroupBox(QStringLiteral("Daily"));
        auto *grid = new QGridLayout(daily);
        int row = 0;
        for (const DedicatedField &field : kDaily) {
            auto *edit = new QLineEdit;
            edit->setObjectName(QString::fromLatin1(field.objectName));
            m_ranges->bindFormatted(field.column, QString::fromLatin1(field.format), edit);
            grid->addWidget(new QLabel(QString::fromLatin1(field.caption)), row, 0);
            grid->addWidget(edit, row, 1);
            grid->addWidget(new QLabel(QStringLiteral("(Time hh:mm:ss )")), row, 2);
            ++row;
        }
        addEditorLine(nullptr, daily);
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_ranges); });
        m_btnEdit = addButton("Edit", "btnEdit", [this] { edit(); });
        m_btnAdd = addButton("Add", "btnAdd", [this] { add(); });
        m_btnDelete = addButton("Delete", "btnDelete", [this] { remove(); });
        addButton("Close", "btnClose", [this] { reject(); });
        m_btnEdit->setEnabled(false);
        m_btnDelete->setEnabled(false);
        refreshBinding(m_ranges);
    });
}

void TTimeRangeForm::clearEditor()
{
    m_status->setEnabled(true);
    m_status->setCurrentIndex(-1);
    for (const char *name : {"edtStart", "edtEnd", "edtName", "edtweekdays"})
        control<QLineEdit>(name)->clear();
    m_name->setEnabled(true);
}

void TTimeRangeForm::endEditing()
{
    m_btnEdit->setEnabled(false);
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(true);
    m_name->setEnabled(true);
    m_status->setEnabled(true);
    clearEditor();
}

void TTimeRangeForm::rowSelected(QxSNMPRequest2Edits &, QTreeWidgetItem *row)
{
    if (!row) {
        endEditing();
        return;
    }
    m_btnEdit->setEnabled(true);
    m_btnDelete->setEnabled(true);
    m_btnAdd->setEnabled(false);
    m_name->setEnabled(false);
    m_status->setEnabled(false);
}

bool TTimeRangeForm::timesGiven()
{
    const auto empty = [this](const char *name) { return control<QLineEdit>(name)->text().isEmpty(); };
    // The texts themselves are the switch's to judge.
    return passes({
        {[&] { return empty("edtweekdays"); }, "Please input the weekdays", control<QLineEdit>("edtweekdays")},
        {[&] { return empty("edtStart"); }, "Please select the daily start time", control<QLineEdit>("edtStart")},
        {[&] { return empty("edtEnd"); }, "Please select the daily end time", control<QLineEdit>("edtEnd")},
    });
}

void TTimeRangeForm::writeRange(DedicatedWrite range, bool endsEditing)
{
    range.binding = m_ranges;
    range.status = m_status;
    range.succeeded = [this, endsEditing] {
        if (endsEditing)
            endEditing();
    };
    write(range);
}

void TTimeRangeForm::add()
{
    // The name is the new range's key.
    QLineEdit *name = control<QLineEdit>("edtName");
    if (!passes({{[name] { return name->text().isEmpty(); }, "Please input the name", name}}) || !timesGiven())
        return;
    writeRange({.row = DedicatedWrite::Row::New, .statusItem = Tables::rangeCreateAndGo}, false);
}

void TTimeRangeForm::edit()
{
    if (!timesGiven())
        return;
    writeRange({.row = DedicatedWrite::Row::Selected}, true);
}

void TTimeRangeForm::remove()
{
    // A range goes by its status alone.
    writeRange({.row = DedicatedWrite::Row::Selected,
                .keptOut = {Column::Days, Column::Start, Column::End},
                .statusItem = Tables::rangeDestroy},
               true);
}
