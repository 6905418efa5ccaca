// Finding a command by the words an engineer remembers: its fields' captions
// or its path; the command-line client's find prints the same matches.
#include "app/cli/CliCommandSearch.h"
#include "common/CliResult.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList paths(const QList<CliCommandSearch::Match> &matches, int most = 100)
{
    QStringList out;
    for (const CliCommandSearch::Match &m : matches.mid(0, most))
        out << m.command->path;
    return out;
}

} // namespace

TEST(CliCommandSearch, FindsByFieldCaptionAndByPath)
{
    const CliCommandFinder finder;
    const CliCommandSearch search(finder);
    const QList<CliCommandSearch::Match> telnet = search.find("telnet");
    ASSERT_FALSE(telnet.isEmpty());
    EXPECT_EQ(telnet.first().command->path, "Basic Configuration > Agent Management > Basic Management");
    EXPECT_TRUE(telnet.first().fields.contains("Telnet Port"));
    EXPECT_TRUE(paths(search.find("vlan port"), 5).contains("VLAN > 802.1Q > 802.1Q Bridge > Ports Information"))
        << paths(search.find("vlan port"), 5).join('\n').toStdString();
    // Every word must be found; case and blanks do not count.
    EXPECT_EQ(paths(search.find("  TELNET   port ")).first(), telnet.first().command->path);
    EXPECT_TRUE(search.find("telnet zebra").isEmpty());
    EXPECT_TRUE(search.find("   ").isEmpty());
    // Items of one name tell themselves apart by their paths.
    const QStringList portTables = paths(search.find("port table"));
    EXPECT_GE(portTables.filter(QRegularExpression(" > Port Table$")).size(), 2) << portTables.join('\n').toStdString();
    // A dedicated dialog is found by its tables' fields.
    EXPECT_TRUE(paths(search.find("log server severity"), 3)
                    .contains("Basic Configuration > System Log Management > System Log Host Table"))
        << paths(search.find("log server severity"), 3).join('\n').toStdString();
}

TEST(CliCommandSearch, TheClientPrintsTheMatchesWithTheirFields)
{
    const QString program = QStringLiteral(NX_BIN_DIR "/nx2400p-cli");
    if (!QFile::exists(program))
        GTEST_SKIP() << "nx2400p-cli is not built";
    QTemporaryDir dir;
    const CliResult found = runModuleProgram(program, {"find", "telnet"}, dir.path());
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_TRUE(found.out.startsWith("Basic Configuration > Agent Management > Basic Management\tTelnet State, Telnet Port\n"))
        << found.out.toStdString();
    EXPECT_EQ(runModuleProgram(program, {"find", "zebra"}, dir.path()).exitCode, 1);
    EXPECT_EQ(runModuleProgram(program, {"find"}, dir.path()).exitCode, 2);
}
