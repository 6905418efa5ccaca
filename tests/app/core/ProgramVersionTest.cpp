// Every program answers --version with the module's version and the SNMPv3
// protocols of the linked library, without a display and without an agent.
#include "ModuleVersion.h"
#include "common/CliResult.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ProgramVersion, EveryProgramNamesItsVersionAndTheProtocols)
{
    QTemporaryDir dir;
    for (const char *program : {"nx2400p", "nx2400p-cli", "nx2400p-dialog", "nx2400p-sim"}) {
        SCOPED_TRACE(program);
        const CliResult r = runModuleProgram(QStringLiteral(NX_BIN_DIR "/") + program, {"--version"}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QStringList lines = r.out.split('\n');
        ASSERT_GE(lines.size(), 2) << r.out.toStdString();
        EXPECT_EQ(lines[0], QStringLiteral("%1 %2").arg(program, ModuleVersion));
        for (const char *protocol : {"SHA-256", "SHA-512", "AES-192", "AES-256"})
            EXPECT_TRUE(lines[1].contains(QLatin1String(protocol))) << lines[1].toStdString();
    }
}

} // namespace
