#include "dialogs/security/TUserMaskInfoForm.h"

#include "tables/AclDialogTables.h"

TUserMaskInfoForm::TUserMaskInfoForm(QWidget *parent)
    : TPacketMaskForm(parent, "User Defined Mask Information", AclDialogTables::packetMask, nullptr)
{
}
