// Writes the seven message catalogues with the built-in English texts into
// <folder>errmsg/, the files a translator edits instead of the code.
#include "snmp/QxMessageCatalogue.h"

#include <QString>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: write-catalogues FOLDER/\n", stderr);
        return 2;
    }
    if (!QxMessageCatalogue().saveAll(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "write-catalogues: cannot write %serrmsg/\n", argv[1]);
        return 1;
    }
    return 0;
}
