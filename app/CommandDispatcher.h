#pragma once

#include "tables/CommandRecord.h"

class TMainForm;

// Runs one command record by its shape. An error raised while a command builds
// or runs its dialog ends that command and is shown in a message box; the main
// window stays as it was.
class CommandDispatcher
{
public:
    explicit CommandDispatcher(TMainForm &mainForm) : m_mainForm(mainForm) {}

    void run(const CommandRecord &record);
    // Whether the command can run in this build (dedicated dialogs come with
    // their classes).
    static bool isAvailable(const CommandRecord &record);

private:
    void runGeneric(const CommandRecord &record);
    void runDedicated(const CommandRecord &record);
    void runAction(const CommandRecord &record);

    TMainForm &m_mainForm;
};
