#pragma once

#include "tables/CommandRecord.h"

class TMainForm;

// A command that opens the generic configuration dialog on its descriptor array:
// an editor page for scalars or one row, a table page for a table.
class GenericCommand
{
public:
    GenericCommand(const CommandRecord &record, TMainForm &mainForm) : m_record(record), m_mainForm(mainForm) {}

    // Builds the dialog, shows it modally and destroys it when it closes.
    void run();

    // The dialog caption: title, joiner and the device address.
    static QString caption(const CommandRecord &record, const QString &address);

private:
    const CommandRecord &m_record;
    TMainForm &m_mainForm;
};
