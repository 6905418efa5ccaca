#include "dialogs/switching/TLLDPDot3PortConfigurationForm.h"

#include "tables/LldpDialogTables.h"

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(QWidget *parent, QLineEdit *tlvs)
    : TLldpTlvSelectionForm(parent, "LLDP Dot3 Port Configuration Table Setting", LldpDialogTables::dot3Tlvs, tlvs)
{
}
