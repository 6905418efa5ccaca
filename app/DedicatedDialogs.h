#pragma once

#include "dialogs/dedicated/DedicatedDialogEntry.h"

#include <QString>

// The dedicated dialog classes the catalogue names, by class name, from the
// registers of the dialog folders.
class DedicatedDialogs
{
public:
    using Factory = DedicatedDialogEntry::Factory;

    // The factory of a dialog class, or null when this build has no such class.
    static Factory find(const QString &className);
};
