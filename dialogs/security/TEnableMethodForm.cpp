#include "dialogs/security/TEnableMethodForm.h"

TEnableMethodForm::TEnableMethodForm(QWidget *parent) : TMethodListForm(parent, enableTexts) {}
