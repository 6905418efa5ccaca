#include "dialogs/security/TEthernetMaskInformationForm.h"

#include "tables/AclDialogTables.h"

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget *parent)
    : TEthernetMaskForm(parent, "Ethernet Mask", AclDialogTables::ethernetMask, nullptr)
{
}
