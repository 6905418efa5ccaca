#include "dialogs/generic/TProgressForm2.h"

TProgressForm2::TProgressForm2(QWidget *callingDialog) : TProgressForm(callingDialog) {}
