#include "dialogs/services/TfrmNetwroktime.h"

#include "tables/TimeDialogTables.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

namespace Column = TimeDialogTables::NetworkColumn;

constexpr DedicatedCheckedField kState{{Column::State, "CBox_TimeSate", "Network Time State", DedicatedField::DropDown},
                            "CheckBox_TimeState"};
constexpr DedicatedField kSource{Column::Source, "ED_TimeSource", "Time Source", DedicatedField::ReadOnlyEdit};
constexpr DedicatedCheckedField kRows[] = {
    {{Column::Server1, "ED_Server1IPAddress", "Server1 IP Address", DedicatedField::Edit, "%s{l16}"},
     "CheckBox_Server1IP"},
    {{Column::Server2, "ED_ServerIPAddress2", "Server2 IP Address", DedicatedField::Edit, "%s{l16}"},
     "CheckBox_Server2IP"},
    {{Column::PollInterval, "ED_PollInterval", "Poll Interval[30....99999(sec)]", DedicatedField::Edit,
      "%i{n30x99999l5}"},
     "CheckBox_PollInterval"},
};

} // namespace

TfrmNetwroktime::TfrmNetwroktime(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Netwrok Time", .status = StatusOutput::Memo, .size = {560, 320}})
{
    runCreation([this] {
        m_time = &addBinding(TimeDialogTables::networkTime);
        addCheckedField(*m_time, kState.field, kState.box, kState.field.caption);
        addFields(*m_time, std::span<const DedicatedField>(&kSource, 1));
        for (const DedicatedCheckedField &row : kRows)
            addCheckedField(*m_time, row.field, row.box, row.field.caption);
        addButton("Refresh", "btnRefresh", [this] { refresh(); });
        addButton("Set Checked ", "btnSetChecked", [this] { setChecked(); });
        addButton("Check All", "btnCheckAll", [this] { checkAllRows(true); });
        addButton("Clear All", "btnClearAll", [this] { checkAllRows(false); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_time);
        control<QLineEdit>("ED_TimeSource")->setEnabled(false);
    });
}

void TfrmNetwroktime::refresh()
{
    refreshBinding(m_time);
    checkAllRows(false);
}

void TfrmNetwroktime::setChecked()
{
    // The two servers' rows come first.
    for (const DedicatedCheckedField &server : std::span(kRows).first(2))
        if (control<QCheckBox>(server.box)->isChecked() && !validAddress(control<QLineEdit>(server.field.objectName)))
            return;
    // A write that fails leaves the values and ticks as the user set them.
    write({.binding = m_time,
           .tickedOnly = true,
           .readBack = DedicatedWrite::ReadBack::Never,
           .succeeded = [this] { refresh(); }});
}
