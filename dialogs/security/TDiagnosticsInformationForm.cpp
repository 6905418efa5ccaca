#include "dialogs/security/TDiagnosticsInformationForm.h"

#include "tables/SslSafeguardDialogTables.h"

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget *parent)
    : TDedicatedForm(parent,
                     {.caption = "DiagnosticsInformation  Form", .status = StatusOutput::Memo, .size = {720, 420}})
{
    runCreation([this] {
        m_diagnostics = &addBinding(SslSafeguardDialogTables::diagnostics, {.synchronous = true});
        addList(*m_diagnostics, "ListView1");
        // A walk that fails says so in the memo: an empty or stale list alone
        // would pass for a switch without supplicants.
        addButton("Refresh", "btnRefresh", [this] { refreshBinding(m_diagnostics); });
        refreshBinding(m_diagnostics);
    });
}
