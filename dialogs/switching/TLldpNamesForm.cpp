#include "dialogs/switching/TLldpNamesForm.h"

TLldpNamesForm::TLldpNamesForm(QWidget *parent, const Spec &spec)
    : TDedicatedForm(parent, {.caption = spec.caption, .status = StatusOutput::StatusBar, .size = {720, 420}})
{
    runCreation([this, &spec] {
        m_table = &addBindingOf<QxShownTextRequest2Edits>(*spec.table, {}, spec.named);
        addRowCount("ST_Count", addList(*m_table, spec.listName), false);
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_table); });
        addButton("Close", "btnClose", [this] { reject(); });
        refreshBinding(m_table);
    });
}
