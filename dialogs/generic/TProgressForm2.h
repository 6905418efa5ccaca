#pragma once

#include "dialogs/generic/TProgressForm.h"

// The progress dialog whose tick limit the caller may change (30 when created).
class TProgressForm2 : public TProgressForm
{
    Q_OBJECT
public:
    explicit TProgressForm2(QWidget *callingDialog);

    using TProgressForm::setTickLimit;
};
