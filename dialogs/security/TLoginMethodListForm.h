#pragma once

#include "dialogs/security/TMethodListForm.h"

// "Login Method List": the method lists that authenticate a login.
class TLoginMethodListForm final : public TMethodListForm
{
    Q_OBJECT

public:
    explicit TLoginMethodListForm(QWidget *parent);
};
