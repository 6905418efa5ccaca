#pragma once

#include "app/OpenWindows.h"
#include "tables/CommandRecord.h"

#include <memory>

class QDialog;
class TMainForm;

// Runs one command record by its shape. A command's dialog opens beside the main
// window (choosing the command again raises it). An error raised while a command
// builds or opens its dialog ends that command and is shown in a message box;
// the main window stays as it was.
class CommandDispatcher
{
public:
    explicit CommandDispatcher(TMainForm &mainForm) : m_mainForm(mainForm) {}

    void run(const CommandRecord &record);
    // Whether the command can run in this build (dedicated dialogs come with
    // their classes).
    static bool isAvailable(const CommandRecord &record);
    // Whether the command opens a dialog (generic or dedicated).
    static bool opensDialog(const CommandRecord &record);

    // The dialog the command opens, built, captioned and adjusted as the menu
    // opens it, not yet shown; null for a command that opens none. Raises what
    // building the dialog raises.
    std::unique_ptr<QDialog> openDialog(const CommandRecord &record);
    // The command's dialog as run() shows it: the open one raised, or a new one
    // beside the main window. Raises what building the dialog raises.
    QDialog *showDialog(const CommandRecord &record);

    // The dialogs open beside the main window.
    OpenWindows &windows() { return m_windows; }

private:
    void runAction(const CommandRecord &record);

    TMainForm &m_mainForm;
    OpenWindows m_windows;
};
