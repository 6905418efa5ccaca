#pragma once

#include <QString>

// The module's help file, beside the module's own program file. Where no help
// viewer for its format exists, the desktop opens it with whatever it offers.
class HelpFile
{
public:
    static constexpr const char *FileName = "NX-2400 R2 Oct 08 d 4b stellan.hlp";

    static QString path();
    static void open();
};
