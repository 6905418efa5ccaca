#include "dialogs/switching/TLLDPPortConfigurationForm.h"

#include "tables/LldpDialogTables.h"

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(QWidget *parent, QLineEdit *tlvs)
    : TLldpTlvSelectionForm(parent, "Port Configuration Table Setting", LldpDialogTables::basicTlvs, tlvs)
{
}
