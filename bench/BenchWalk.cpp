// Walks the simulator's forwarding database (10000 learnt entries by default)
// row by row with readRow and with readRowAsync, one GET-NEXT per row (bulk
// walks are off here: bench_bulk measures them), the same table with net-snmp's
// snmptable -CB (one GET-NEXT per row, the same PDUs), and the same table into
// the generic dialog's table page (offscreen), and prints rows per second for
// each. For the page it prints what it adds to the engine's own asynchronous
// walk and the longest the event loop waited (a timer ticking every few ms)
// and the longest gap between two rows. The last line compares the slower of
// our engine walks with snmptable.
//
// The page is walked in the last --page-rounds rounds only (default 1): it
// takes far longer than the engine's walks.
//
//   bench_walk [--sim PATH] [--entries N] [--rounds N] [--page-rounds N]

#include "bench/BenchSupport.h"

#include "common/CliResult.h"
#include "common/SimulatorProcess.h"

#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>

using namespace BenchSupport;

namespace {

// The table as snmptable needs it: numeric OIDs of the simulator's table, no
// imports (Debian ships no standard MIB modules).
const char kBenchMib[] = R"(NXBENCH-MIB DEFINITIONS ::= BEGIN
benchBridge OBJECT IDENTIFIER ::= { iso 3 6 1 2 1 17 7 1 2 }
benchFdbTable OBJECT-TYPE
    SYNTAX SEQUENCE OF BenchFdbEntry
    ACCESS not-accessible
    STATUS mandatory
    ::= { benchBridge 2 }
benchFdbEntry OBJECT-TYPE
    SYNTAX BenchFdbEntry
    ACCESS not-accessible
    STATUS mandatory
    INDEX { benchFdbId, benchFdbAddress }
    ::= { benchFdbTable 1 }
BenchFdbEntry ::= SEQUENCE { benchFdbAddress OCTET STRING, benchFdbPort INTEGER, benchFdbStatus INTEGER }
benchFdbId OBJECT-TYPE
    SYNTAX INTEGER
    ACCESS not-accessible
    STATUS mandatory
    ::= { benchBridge 1 1 1 }
benchFdbAddress OBJECT-TYPE
    SYNTAX OCTET STRING (SIZE (6))
    ACCESS not-accessible
    STATUS mandatory
    ::= { benchFdbEntry 1 }
benchFdbPort OBJECT-TYPE
    SYNTAX INTEGER
    ACCESS read-only
    STATUS mandatory
    ::= { benchFdbEntry 2 }
benchFdbStatus OBJECT-TYPE
    SYNTAX INTEGER
    ACCESS read-only
    STATUS mandatory
    ::= { benchFdbEntry 3 }
END
)";

} // namespace

int main(int argc, char **argv)
{
    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();
    const int entries = intOption(args, "--entries", 10000);
    const int rounds = intOption(args, "--rounds", 3);
    const int pageRounds = intOption(args, "--page-rounds", 1, 0);

    QTemporaryDir dir;
    SimulatorProcess sim({"--fdb-entries", QString::number(entries)}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;
    defaultMaxRepetitions = 0; // the table page too

    QFile mib(dir.filePath("NXBENCH-MIB.txt"));
    mib.open(QIODevice::WriteOnly);
    mib.write(kBenchMib);
    mib.close();

    // Each walk runs several times, interleaved, and the best run counts: the
    // machine is shared, and the best run is the one least disturbed.
    if (pageRounds > 0)
        warmUpWidgets();
    int exitCode = 0;
    Walk bestSync, bestAsync, bestTable;
    PageWalk bestPage;
    const auto keepBest = [](Walk &best, const Walk &w) {
        if (best.ms == 0 || w.rate() > best.rate())
            best = w;
    };
    for (int round = 0; round < rounds; ++round) {
        const Walk sync = walkSynchronous(fdbTable, 2, 0);
        const Walk async = walkAsynchronous(fdbTable, 2, 0);
        Walk table;
        const CliResult tool = runSnmp("snmptable",
                                       {"-v2c", "-c", "vqmtze", "-CB", "-CH", "-Cf", ",", "-M", dir.path(),
                                        "-m", "NXBENCH-MIB", "-t", "2", "-r", "1", sim.target(),
                                        "NXBENCH-MIB::benchFdbTable"},
                                       600000);
        table.ms = tool.elapsedMs;
        for (const QString &line : tool.out.split('\n'))
            table.rows += line.contains(',');
        const bool withPage = round >= rounds - pageRounds;
        const PageWalk page = withPage ? walkIntoTablePage() : PageWalk{};

        std::printf("round %d\n", round + 1);
        printWalk("  readRow (synchronous)", sync);
        printWalk("  readRowAsync (event pump)", async);
        printWalk("  snmptable -CB", table);
        if (withPage)
            printPageWalk("  table page (offscreen)", page);
        for (const Walk *w : {&sync, &async, static_cast<const Walk *>(&table), &page.walk})
            if (w->rows != entries && (w != &page.walk || withPage)) {
                std::printf("row counts differ from the %d entries\n", entries);
                exitCode = 1;
                break;
            }
        keepBest(bestSync, sync);
        keepBest(bestAsync, async);
        keepBest(bestTable, table);
        if (withPage && (bestPage.walk.ms == 0 || page.walk.rate() > bestPage.walk.rate()))
            bestPage = page;
    }
    std::printf("best of %d: readRow %.1f rows/s, readRowAsync %.1f rows/s, snmptable -CB %.1f rows/s, "
                "table page %.1f rows/s\n",
                rounds, bestSync.rate(), bestAsync.rate(), bestTable.rate(), bestPage.walk.rate());
    if (bestPage.walk.ms > 0) {
        // Rates, not times: the best page run and the best engine run.
        const double overhead = bestPage.walk.rate() > 0 ? (bestAsync.rate() / bestPage.walk.rate() - 1.0) * 100.0 : 0.0;
        std::printf("table page overhead over readRowAsync: %.1f %% (goal <= 50 %%)\n", overhead);
        std::printf("table page longest event-loop wait: %lld ms, longest gap between two rows: %lld ms "
                    "(goal <= 50 ms)\n",
                    bestPage.longestTickGapMs, bestPage.longestRowGapMs);
    }
    const double ours = std::min(bestSync.rate(), bestAsync.rate());
    std::printf("walk ratio module/snmptable: %.2f\n", bestTable.rate() > 0 ? ours / bestTable.rate() : 0.0);
    return exitCode;
}
