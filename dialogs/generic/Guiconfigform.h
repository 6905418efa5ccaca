#pragma once

// The generic configuration dialog: the dialog, its editor and table pages,
// their panels, and the timed progress dialogs.
#include "dialogs/generic/TConfigForm.h"
#include "dialogs/generic/TCtrlBtnPanel.h"
#include "dialogs/generic/TDialogMessages.h"
#include "dialogs/generic/TEditsPanel.h"
#include "dialogs/generic/TListViewPanel.h"
#include "dialogs/generic/TMsgPanel.h"
#include "dialogs/generic/TPanelUsageError.h"
#include "dialogs/generic/TPortListForm.h"
#include "dialogs/generic/TProgressForm.h"
#include "dialogs/generic/TProgressForm2.h"
#include "dialogs/generic/TSNMPEditorPanel.h"
#include "dialogs/generic/TSNMPListViewPanel.h"
#include "dialogs/generic/TSNMPPanel.h"
