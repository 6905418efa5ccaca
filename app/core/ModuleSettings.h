#pragma once

#include <QString>

// The module's own settings (not the host suite's): an INI file in
// $XDG_CONFIG_HOME/nx2400p/ (~/.config/nx2400p/ by default).
class ModuleSettings final
{
public:
    static QString fileName();

    // Show each write's values before it is sent, and send it only when confirmed.
    static bool previewWrites();
    static void setPreviewWrites(bool on);
};
