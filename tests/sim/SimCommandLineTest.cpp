// The simulator as a program: its options, state files, and a clean end on signals.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString scratchFile(const QString &name)
{
    return QDir(QStringLiteral(NX_BIN_DIR "/..")).absoluteFilePath(QStringLiteral("sim-test-%1-%2").arg(TestAgents::freeUdpPort()).arg(name));
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

struct ProgramRun
{
    int exitCode = -1;
    QString output;
};

ProgramRun runProgram(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(SimulatorProcess::program(), arguments);
    ProgramRun run;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromLocal8Bit(process.readAll());
    return run;
}

} // namespace

TEST(SimCommandLine, BadOptionsAreRefused)
{
    for (const QStringList &arguments : {QStringList{QStringLiteral("--bogus"), QStringLiteral("1")},
                                         QStringList{QStringLiteral("--fdb-entries"), QStringLiteral("100001")},
                                         QStringList{QStringLiteral("--drop"), QStringLiteral("101")},
                                         QStringList{QStringLiteral("--user"), QStringLiteral("x:MD4:longenough")},
                                         QStringList{QStringLiteral("--user"), QStringLiteral("x:MD5:short")},
                                         QStringList{QStringLiteral("--ro-community"), QStringLiteral("a b")},
                                         QStringList{QStringLiteral("--user"), QStringLiteral("x:MD5:pass\"word1")},
                                         QStringList{QStringLiteral("--listen")},
                                         QStringList{QStringLiteral("--agents"), QStringLiteral("0")},
                                         QStringList{QStringLiteral("--agents"), QStringLiteral("1001")},
                                         // More switches need UDP ports to count up from.
                                         QStringList{QStringLiteral("--agents"), QStringLiteral("2"), QStringLiteral("--listen"),
                                                     QStringLiteral("tcp:127.0.0.1:16161")},
                                         QStringList{QStringLiteral("--agents"), QStringLiteral("2"), QStringLiteral("--listen"),
                                                     QStringLiteral("udp:127.0.0.1:65535")}}) {
        ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("usage:"))) << run.output.toStdString();
    }
}

TEST(SimCommandLine, MalformedStateFileIsReportedByLineAndRefused)
{
    const QString path = scratchFile(QStringLiteral("bad.rec"));
    ASSERT_TRUE(writeFile(path, "# comment\n1.3.6.1.2.1.1.5.0|4|ok\n1.3.6.1.2.1.1.6.0|4\n1.3.6.1.2.1.1.7.0|2|seven\n"));
    ProgramRun run = runProgram({QStringLiteral("--listen"), QStringLiteral("udp:127.0.0.1:%1").arg(TestAgents::freeUdpPort()),
                          QStringLiteral("--state"), path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.output.contains(path + QStringLiteral(":3: "))) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(path + QStringLiteral(":4: "))) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains(QStringLiteral("listening")));
    QFile::remove(path);

    ProgramRun missing = runProgram({QStringLiteral("--state"), path});
    EXPECT_EQ(missing.exitCode, 2);
}

TEST(SimCommandLine, StateSavedOnSignalServesTheNextStart)
{
    const QString path = scratchFile(QStringLiteral("state.rec"));
    {
        SimulatorProcess sim({QStringLiteral("--save"), path});
        ASSERT_TRUE(sim.running());
        ASSERT_EQ(runSnmp(QStringLiteral("snmpset"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("kdrwopl"),
                                                      sim.target(), QStringLiteral("1.3.6.1.2.1.1.6.0"), QStringLiteral("s"),
                                                      QStringLiteral("rack 4"), QStringLiteral("1.3.6.1.2.1.2.2.1.7.2"),
                                                      QStringLiteral("i"), QStringLiteral("2")}).exitCode, 0);
        EXPECT_EQ(sim.stop(), 0); // SIGTERM ends it normally, after saving
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    EXPECT_TRUE(saved.contains("1.3.6.1.2.1.1.6.0|4|rack 4\n"));

    SimulatorProcess again({QStringLiteral("--state"), path});
    ASSERT_TRUE(again.running()) << again.output().toStdString();
    EXPECT_EQ(getValue(again.target(), QStringLiteral("1.3.6.1.2.1.1.6.0")), QStringLiteral("\"rack 4\""));
    // Port 2 stays down, and its LED dark.
    EXPECT_EQ(getValue(again.target(), QStringLiteral("1.3.6.1.2.1.2.2.1.8.2")), QStringLiteral("2"));
    EXPECT_EQ(static_cast<unsigned char>(getOctets(again.target(), QStringLiteral("1.3.6.1.4.1.32473.11.63.7.2.1.1.5.0"))[6]), 0x01);
    QFile::remove(path);
}
