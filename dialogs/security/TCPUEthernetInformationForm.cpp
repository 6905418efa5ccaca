#include "dialogs/security/TCPUEthernetInformationForm.h"

#include "tables/AclDialogTables.h"

TCPUEthernetInformationForm::TCPUEthernetInformationForm(QWidget *parent)
    : TEthernetMaskForm(parent, "Ethernet Mask (CPU Filter)", AclDialogTables::cpuEthernetMask, "%i{n1x3}")
{
}
