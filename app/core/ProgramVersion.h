#pragma once

#include <QString>

// What a program says to --version: its name and the module's version, then
// the SNMP library's version and the SNMPv3 protocols it offers.
namespace ProgramVersion {

QString text(const char *program);
// Whether the command line asks for it (its only argument); looked at before
// anything else starts, so a terminal without a display can ask too.
bool asked(int argc, char **argv);
// Prints the text to standard output.
int print(const char *program);

} // namespace ProgramVersion
