// From process start to the first painted LED state: the benchmark starts
// itself again as a child (--child), which opens the main window on the
// simulator the way the module starts (QApplication, registry and settings
// files, TMainForm, show) and reports on stdout the moments it reached on the
// monotonic clock; the first painted LED state is the power LED's first paint
// after the first LED poll completed. The parent takes its clock just before
// starting the child, so loading the program and its libraries counts. Goal:
// under 500 ms. The last line gives the best run.
//
//   bench_startup [--runs N] [--sim PATH]

#include "bench/BenchSupport.h"

#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "app/TMainForm.h"
#include "binding/QxLedShape.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "device/TPanelNX2400PForm.h"
#include "snmp/QxSNMPException.h"

#include <QApplication>
#include <QEvent>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace BenchSupport;
using TestSupport::waitUntil;

namespace {

// The milestones a child reports, in order.
const char *const kMilestones[] = {"main", "window built", "window shown", "first LED poll done",
                                   "first LED state painted"};
constexpr int kMilestoneCount = 5;

// Calls back on the first paint of the watched LED once armed.
class PaintWatch : public QObject
{
public:
    bool armed = false;
    qint64 paintedNs = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (armed && paintedNs == 0 && event->type() == QEvent::Paint)
            paintedNs = monotonicNs();
        return QObject::eventFilter(watched, event);
    }
};

int runChild(int argc, char **argv, qint64 mainNs)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    MainWindowOnSimulator window(option(args, "--dir"), quint16(option(args, "--port").toUInt()));
    qint64 at[kMilestoneCount] = {mainNs};
    try {
        TMainForm &form = window.open();
        at[1] = monotonicNs();
        form.show();
        at[2] = monotonicNs();
        TPanelNX2400PForm *panel = form.frontPanel();
        QxLedShape *power = panel ? TPanelNX2400PForm::ledOf(panel->powerLedPanel()) : nullptr;
        if (!power)
            return 1;
        PaintWatch watch;
        power->installEventFilter(&watch);
        int pollError = -1;
        QObject::connect(panel->ledRequest(), &QxSNMPRequest2Controls::readDone,
                         [&](QxSNMPRequest2Controls *, const QxSNMPError &e) {
                             if (at[3] == 0) {
                                 at[3] = monotonicNs();
                                 pollError = e.code;
                                 watch.armed = true;
                             }
                         });
        // A poll that completed while the window was shown has reported already;
        // its moment is then taken as the end of show().
        if (at[3] == 0 && form.statusText().contains("Led Status")) {
            std::printf("polled-in-show\n");
            at[3] = monotonicNs();
            pollError = form.statusText().startsWith("Get: Ok") ? 0 : 1;
            watch.armed = true;
            power->update();
        }
        waitUntil([&] { return watch.paintedNs != 0; }, 15000);
        at[4] = watch.paintedNs;
        if (pollError != 0)
            std::printf("poll-error %d\n", pollError);
        for (int i = 0; i < kMilestoneCount; ++i)
            std::printf("at %d %lld\n", i, at[i]);
        std::fflush(stdout);
        form.hide();
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "bench_startup child: %d %s\n", e.code(), qPrintable(e.text()));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 mainNs = monotonicNs();
    useOffscreenUnlessSet();
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--child") == 0)
            return runChild(argc, argv, mainNs);

    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();
    const int runs = intOption(args, "--runs", 5);
    QTemporaryDir dir;
    SimulatorProcess sim({}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;
    MainWindowOnSimulator files(dir.path(), sim.port()); // writes the registry and settings files the children read

    std::vector<double> totals;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({"--child", "--dir", dir.path(), "--port", QString::number(sim.port())});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 spawnNs = monotonicNs();
        child.start();
        child.waitForFinished(30000);
        qint64 at[kMilestoneCount] = {};
        bool pollFailed = false;
        bool polledInShow = false;
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 3 && words[0] == "at")
                at[qBound(0, words[1].toInt(), kMilestoneCount - 1)] = words[2].toLongLong();
            pollFailed |= line.startsWith("poll-error");
            polledInShow |= line.startsWith("polled-in-show");
        }
        std::printf("run %d:", run + 1);
        if (at[kMilestoneCount - 1] == 0) {
            std::printf(" no LED state painted (exit code %d)\n", child.exitCode());
            continue;
        }
        for (int i = 0; i < kMilestoneCount; ++i)
            std::printf(" %s%s %.1f ms%s", kMilestones[i], i == 3 && polledInShow ? " (within show)" : "",
                        double(at[i] - spawnNs) / 1e6, i + 1 < kMilestoneCount ? "," : "");
        std::printf("%s\n", pollFailed ? " (the first poll failed)" : "");
        totals.push_back(double(at[kMilestoneCount - 1] - spawnNs) / 1e6);
    }
    if (totals.empty()) {
        std::printf("no run painted an LED state\n");
        return 1;
    }
    std::sort(totals.begin(), totals.end());
    std::printf("process start to first painted LED state over %zu runs: median %.1f ms, worst %.1f ms\n",
                totals.size(), totals[totals.size() / 2], totals.back());
    std::printf("best start-up to first painted LED state (goal < 500 ms): %.1f ms\n", totals.front());
    return 0;
}
