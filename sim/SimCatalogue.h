#pragma once
#include "sim/SimObjectDef.h"

#include <string>
#include <vector>

// The module's command catalogue laid over the simulator's own definitions:
// every object that a generic command (editor or table page) reads is served.
// The catalogue is what the module expects, so where the two disagree on an
// object's type the catalogue's type is taken; otherwise the simulator's
// hand-made definitions and data stay as they are. Objects and tables the
// simulator lacks are derived from the descriptors (type from the syntax,
// access from the access flags, a value from the option list or the syntax,
// index kinds from the key descriptors, RowStatus control from the record).
class SimCatalogue
{
public:
    // `parts` with the conflicting definitions replaced (in copies) and one
    // more part with everything the catalogue adds. Built once per list of
    // parts; the result lives until the program ends.
    static std::vector<const SimMibPart *> complete(const std::vector<const SimMibPart *> &parts);

    // What the overlay of `parts` did, one line per decision: "added ...",
    // "retyped ...", "skipped ...". For tests and diagnostics.
    static std::vector<std::string> notes(const std::vector<const SimMibPart *> &parts);
};
