#include "dialogs/switching/TPortCapabilities8021dForm.h"

#include "tables/StaticFilterDialogTables.h"

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget *parent)
    : TDedicatedForm(parent, {.caption = "Port Capability Form", .status = StatusOutput::Memo, .size = {480, 460}})
{
    runCreation([this] {
        m_ports = &addBinding(StaticFilterDialogTables::portCapabilities);
        addRowCount("ST_Count", addList(*m_ports, "LV_dot1dPortCapabilitiesEntry"));
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_ports); });
        refreshBinding(m_ports);
    });
}
