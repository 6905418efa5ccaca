#include "dialogs/security/TLoginMethodListForm.h"

TLoginMethodListForm::TLoginMethodListForm(QWidget *parent) : TMethodListForm(parent, loginTexts) {}
