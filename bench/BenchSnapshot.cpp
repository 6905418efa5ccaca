// The time of a configuration snapshot as an engineer takes it: nx2400p-cli
// snapshot of one simulated switch (goal: at most 2 s), and snapshot --hosts
// of a fleet of simulated switches served by one simulator process (--agents)
// into a folder (goal for 100 switches: at most 10 s). Each figure is the
// whole program run, start-up included; the last line gives both.
//
//   bench_snapshot [--rounds N] [--switches N] [--sim PATH]

#include "bench/BenchSupport.h"

#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace BenchSupport;

namespace {

QString cliProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/nx2400p-cli");
}

const QStringList kCommunities{"/v1", "/Rvqmtze", "/Wkdrwopl"};

} // namespace

int main(int argc, char **argv)
{
    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();
    const int rounds = intOption(args, "--rounds", 5);
    const int switches = intOption(args, "--switches", 100);
    QTemporaryDir dir;

    SimulatorProcess one({}, true, option(args, "--sim"));
    if (!one.running()) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const CliResult result = runModuleProgram(
            cliProgram(), QStringList{"/I127.0.0.1"} + kCommunities
                              + QStringList{"--port", QString::number(one.port()), "snapshot", "--out", dir.filePath("one.json")},
            dir.path());
        if (result.exitCode != 0) {
            std::fprintf(stderr, "snapshot failed: %s\n", qPrintable(result.err));
            return 1;
        }
        times.push_back(double(result.elapsedMs) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    QFile document(dir.filePath("one.json"));
    document.open(QIODevice::ReadOnly);
    const qsizetype values = document.readAll().count("\"oid\"");
    std::printf("one switch, %lld values: best %.3f s, median %.3f s over %d runs\n", static_cast<long long>(values),
                times.front(), times[times.size() / 2], rounds);
    one.stop();

    SimulatorProcess fleet({QStringLiteral("--agents"), QString::number(switches)}, true, option(args, "--sim"));
    if (!fleet.running()) {
        std::fprintf(stderr, "the simulator did not start with --agents %d\n", switches);
        return 1;
    }
    QFile hosts(dir.filePath("hosts"));
    hosts.open(QIODevice::WriteOnly);
    for (int i = 0; i < switches; ++i)
        hosts.write(QStringLiteral("127.0.0.1:%1 %2\n").arg(fleet.port() + i).arg(kCommunities.join(' ')).toUtf8());
    hosts.close();
    const CliResult result = runModuleProgram(
        cliProgram(), {"--hosts", hosts.fileName(), "snapshot", "--out", dir.filePath("fleet")}, dir.path(), 120000);
    const qsizetype files = QDir(dir.filePath("fleet")).entryList({"*.json"}, QDir::Files).size();
    const double fleetSeconds = double(result.elapsedMs) / 1000.0;
    std::printf("%d switches: %.3f s, %lld files, exit %d (%s)\n", switches, fleetSeconds,
                static_cast<long long>(files), result.exitCode,
                qPrintable(result.out.section(QLatin1Char('\n'), -2, -2)));
    std::printf("snapshot: one switch %.3f s (goal <= 2 s); %d switches %.3f s (goal <= 10 s)\n", times[times.size() / 2],
                switches, fleetSeconds);
    return result.exitCode == 0 && files == switches ? 0 : 1;
}
