// The main window with its front panel on the simulator, left alone while the
// LEDs are polled (every 3 s): the CPU time it uses and its peak resident
// memory. Measured from the first completed LED poll on, so start-up does not
// count. Goals: under 1 % of one core, under 80 MB (76.3 MiB). The last line gives the CPU
// share.
//
//   bench_idle [SECONDS] [--seconds N] [--sim PATH]     (default 60 s)

#include "bench/BenchSupport.h"

#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "app/TMainForm.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "device/TPanelNX2400PForm.h"
#include "snmp/QxSNMPException.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

using namespace BenchSupport;
using TestSupport::waitUntil;

int main(int argc, char **argv)
{
    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();
    int seconds = 60;
    if (args.size() > 1 && args[1].toInt() > 0)
        seconds = args[1].toInt();
    seconds = intOption(args, "--seconds", seconds);

    QTemporaryDir dir;
    SimulatorProcess sim({}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;
    MainWindowOnSimulator window(dir.path(), sim.port());
    try {
        TMainForm &form = window.open();
        form.show();
        TPanelNX2400PForm *panel = form.frontPanel();
        if (!panel || !panel->ledRequest()) {
            std::fprintf(stderr, "bench_idle: the main window has no front panel\n");
            return 1;
        }
        int polls = 0;
        int failedPolls = 0;
        QObject::connect(panel->ledRequest(), &QxSNMPRequest2Controls::readDone,
                         [&](QxSNMPRequest2Controls *, const QxSNMPError &e) {
                             ++polls;
                             failedPolls += e.code != 0;
                         });
        if (!waitUntil([&] { return polls > 0 || form.statusText().contains("Led Status"); }, 15000)) {
            std::fprintf(stderr, "bench_idle: no LED poll completed\n");
            return 1;
        }
        const double startupCpu = cpuSeconds();
        const double startupRss = residentMiB();
        polls = 0;
        failedPolls = 0;

        QElapsedTimer wall;
        wall.start();
        QEventLoop idle;
        QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
        idle.exec();
        const double elapsed = double(wall.elapsed()) / 1000.0;
        const double cpu = cpuSeconds() - startupCpu;

        std::printf("idle main window with front panel on the simulator, %d s\n", seconds);
        printFigure("CPU time at the first LED poll", startupCpu, "s");
        printFigure("resident memory at the first LED poll", startupRss, "MiB");
        printFigure("wall time idle", elapsed, "s");
        std::printf("%-40s %6d (%d failed)\n", "LED polls completed while idle", polls, failedPolls);
        printFigure("CPU time used while idle", cpu, "s");
        printFigure("resident memory now", residentMiB(), "MiB");
        printFigure("peak resident memory (goal < 76.3 MiB)", peakResidentMiB(), "MiB");
        printFigure("CPU share of one core (goal < 1 %)", elapsed > 0 ? cpu / elapsed * 100.0 : 0.0, "%");
        form.hide();
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "bench_idle: %d %s\n", e.code(), qPrintable(e.text()));
        return 1;
    }
    return 0;
}
