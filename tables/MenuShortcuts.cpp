#include "tables/MenuShortcuts.h"

namespace MenuShortcuts {
const Shortcut shortcuts[] = {
    {"Basic Configuration > Agent Management > Basic Information", "Ctrl+I"},
    {"Basic Configuration > Agent Management > Basic Management", "Ctrl+B"},
    {"Basic Configuration > Changes", "Ctrl+J"},
    {"Layer 2 Management > Port Status", "Ctrl+P"},
    {"Layer 2 Management > VLAN Matrix", "Ctrl+M"},
    {"Layer 2 Management > Port Management > Port Control Table", "Ctrl+T"},
    {"VLAN > 802.1Q > 802.1Q VLAN  > Static Table", "Ctrl+L"},
    {"Help > Help", "F1"},
    {nullptr, nullptr},
};
} // namespace MenuShortcuts
