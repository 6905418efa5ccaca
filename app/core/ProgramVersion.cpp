#include "app/core/ProgramVersion.h"

#include "ModuleVersion.h"
#include "snmp/QxUsmProtocols.h"

#include <cstdio>
#include <cstring>

namespace ProgramVersion {

QString text(const char *program)
{
    return QStringLiteral("%1 %2\n%3\n")
        .arg(QString::fromLatin1(program), QString::fromLatin1(ModuleVersion), QxUsmProtocols::offered());
}

bool asked(int argc, char **argv)
{
    return argc == 2 && std::strcmp(argv[1], "--version") == 0;
}

int print(const char *program)
{
    std::fputs(text(program).toLocal8Bit().constData(), stdout);
    return 0;
}

} // namespace ProgramVersion
