// The simulator's forwarding database (10000 learnt entries by default) walked
// by our engine (readRow, one GET-NEXT per row) beside net-snmp's snmpbulkwalk
// with max-repetitions 10 and 50: the figure our walk is judged against when a
// bulk mode is considered. The last line gives our walk's rate over the faster
// bulk walk's.
//
//   bench_bulk [--sim PATH] [--entries N] [--rounds N]

#include "bench/BenchSupport.h"

#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

using namespace BenchSupport;

namespace {

// snmpbulkwalk of the FDB columns; one row is counted per Port value.
Walk bulkWalk(const SimulatorProcess &sim, int repetitions)
{
    Walk walk;
    const CliResult tool = runSnmp("snmpbulkwalk",
                                   {"-v2c", "-c", "vqmtze", "-On", "-t", "2", "-r", "1",
                                    QStringLiteral("-Cr%1").arg(repetitions), sim.target(),
                                    "1.3.6.1.2.1.17.7.1.2.2.1"},
                                   600000);
    walk.ms = tool.elapsedMs;
    const QString port = QStringLiteral(".") + QLatin1String(fdbPortColumn) + '.';
    for (const QString &line : tool.out.split('\n'))
        walk.rows += line.startsWith(port);
    return walk;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qputenv("MIBS", "");
    const QStringList args = app.arguments();
    const int entries = intOption(args, "--entries", 10000);
    const int rounds = intOption(args, "--rounds", 3);

    QTemporaryDir dir;
    SimulatorProcess sim({"--fdb-entries", QString::number(entries)}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;

    int exitCode = 0;
    Walk bestOurs, best10, best50;
    const auto keepBest = [](Walk &best, const Walk &w) {
        if (best.ms == 0 || w.rate() > best.rate())
            best = w;
    };
    for (int round = 0; round < rounds; ++round) {
        const Walk ours = walkSynchronous(fdbTable, 2);
        const Walk bulk10 = bulkWalk(sim, 10);
        const Walk bulk50 = bulkWalk(sim, 50);
        std::printf("round %d\n", round + 1);
        printWalk("  readRow (GET-NEXT per row)", ours);
        printWalk("  snmpbulkwalk -Cr10", bulk10);
        printWalk("  snmpbulkwalk -Cr50", bulk50);
        for (const Walk *w : {&ours, &bulk10, &bulk50})
            if (w->rows != entries) {
                std::printf("row counts differ from the %d entries\n", entries);
                exitCode = 1;
                break;
            }
        keepBest(bestOurs, ours);
        keepBest(best10, bulk10);
        keepBest(best50, bulk50);
    }
    std::printf("best of %d: readRow %.1f rows/s, snmpbulkwalk -Cr10 %.1f rows/s, -Cr50 %.1f rows/s\n", rounds,
                bestOurs.rate(), best10.rate(), best50.rate());
    const double bulk = std::max(best10.rate(), best50.rate());
    std::printf("walk ratio module/snmpbulkwalk: %.2f\n", bulk > 0 ? bestOurs.rate() / bulk : 0.0);
    return exitCode;
}
