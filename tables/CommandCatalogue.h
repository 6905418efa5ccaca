#pragma once

#include "tables/CommandRecord.h"

#include <span>

// The main menu's groups in menu order, from "Basic Configuration" to "Help".
class CommandCatalogue
{
public:
    static std::span<const CommandGroup *const> groups();
};
