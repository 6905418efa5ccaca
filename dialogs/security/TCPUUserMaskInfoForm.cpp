#include "dialogs/security/TCPUUserMaskInfoForm.h"

#include "tables/AclDialogTables.h"

TCPUUserMaskInfoForm::TCPUUserMaskInfoForm(QWidget *parent)
    : TPacketMaskForm(parent, "User Mask Information(CPU Filter)", AclDialogTables::cpuPacketMask, "%i{n1x3}")
{
}
