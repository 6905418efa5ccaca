#pragma once

#include "tables/CommandRecord.h"

#include <memory>

class TConfigForm;
class TMainForm;

// A command that opens the generic configuration dialog on its descriptor array:
// an editor page for scalars or one row, a table page for a table.
class GenericCommand
{
public:
    GenericCommand(const CommandRecord &record, TMainForm &mainForm);

    // Builds the dialog with its page and adjustments, not yet shown.
    std::unique_ptr<TConfigForm> build();

    // The dialog caption: title, joiner and the device address.
    static QString caption(const CommandRecord &record, const QString &address);

private:
    const CommandRecord &m_record;
    TMainForm &m_mainForm;
};
