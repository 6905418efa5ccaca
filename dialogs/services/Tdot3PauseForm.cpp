#include "dialogs/services/Tdot3PauseForm.h"

#include "tables/EtherLikeDialogTables.h"

#include <QComboBox>

namespace {

namespace Column = EtherLikeDialogTables::PauseColumn;

constexpr const char *kRows[] = {"In Pause Frame", "Out Pause Frame"};
constexpr DedicatedField kFields[] = {
    {Column::Index, "edtIndex", nullptr, DedicatedField::HiddenEdit, "%i"},
    {Column::AdminMode, "cbxAdminMode", "Admin Mode", DedicatedField::DropDown},
};

} // namespace

Tdot3PauseForm::Tdot3PauseForm(QWidget *parent)
    : TCounterMonitorForm(parent, {.caption = "Dot3 Pause Table",
                                   .ports = &EtherLikeDialogTables::pausePorts,
                                   .counters = &EtherLikeDialogTables::pauseCounters,
                                   .rowNames = kRows,
                                   .fields = kFields,
                                   .writable = true})
{
    runCreation([this] { start(); });
}

void Tdot3PauseForm::clearPortControls()
{
    control<QComboBox>("cbxAdminMode")->setCurrentIndex(-1);
}
