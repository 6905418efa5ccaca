#include "dialogs/switching/TMacStatisticTableForm.h"

#include "tables/EapolDialogTables.h"

TMacStatisticTableForm::TMacStatisticTableForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "MAC Statistic", .status = StatusOutput::Memo, .size = {720, 420}})
{
    runCreation([this] {
        m_statistics = &addBinding(EapolDialogTables::macStatistics, {.synchronous = true});
        addList(*m_statistics, "ListView1");
        // What a read raises is shown like every other error, never dropped.
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_statistics); });
        refreshBinding(m_statistics);
    });
}
