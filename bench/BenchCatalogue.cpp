// Every command of the catalogue that opens a dialog (generic editor and table
// pages, and the dedicated dialogs) opened once from the main
// window's dispatch on the simulator, offscreen, until its first reads have
// ended: the time from building the dialog to the reads' reports, in total and
// for the slowest commands of each kind. The last line gives the total.
//
//   bench_catalogue [--sim PATH] [--top N]

#include "bench/BenchSupport.h"

#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "app/CommandDispatcher.h"
#include "app/DriverControls.h"
#include "app/TMainForm.h"
#include "snmp/QxSNMPException.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDialog>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace BenchSupport;
using TestSupport::waitUntil;

namespace {

struct Command
{
    QString path;
    const CommandRecord *record = nullptr;
    qint64 ms = 0;
    QStringList statuses;
    bool dedicated() const { return record->shape == CommandShape::Dedicated; }
    bool read() const
    {
        return !statuses.isEmpty()
               && std::all_of(statuses.begin(), statuses.end(), [](const QString &s) { return s.startsWith("Get: Ok"); });
    }
};

// The catalogue's commands that open a dialog this build has, with their menu paths.
std::vector<Command> commandsToOpen()
{
    std::vector<Command> commands;
    for (const DialogCommand &c : dialogCommands())
        commands.push_back({c.path, c.record});
    return commands;
}

// Opens the command's dialog as the menu does and waits for its first reads' reports.
void openAndRefresh(Command &command, TMainForm &mainForm)
{
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QDialog> dialog = mainForm.dispatcher().openDialog(*command.record);
    dialog->show();
    waitUntil([&] { return !DriverControls::statusTexts(dialog.get()).isEmpty() && !busy(*dialog); }, 30000);
    command.ms = clock.elapsed();
    command.statuses = DriverControls::statusTexts(dialog.get());
    dialog->close();
}

void printSlowest(const std::vector<Command> &commands, bool dedicated, int top)
{
    std::vector<const Command *> bySpeed;
    for (const Command &c : commands)
        if (c.dedicated() == dedicated)
            bySpeed.push_back(&c);
    std::sort(bySpeed.begin(), bySpeed.end(), [](const Command *a, const Command *b) { return a->ms > b->ms; });
    qint64 total = 0;
    for (const Command *c : bySpeed)
        total += c->ms;
    const char *kind = dedicated ? "dedicated" : "generic";
    std::printf("slowest %s commands:\n", kind);
    for (int i = 0; i < top && i < int(bySpeed.size()); ++i)
        std::printf("  %6lld ms  %s\n", bySpeed[size_t(i)]->ms, qPrintable(bySpeed[size_t(i)]->path));
    if (bySpeed.empty())
        return;
    std::printf("%zu %s commands opened and read\n", bySpeed.size(), kind);
    printFigure(dedicated ? "mean per dedicated command" : "mean per generic command",
                double(total) / double(bySpeed.size()), "ms");
    std::printf("%-40s %10lld ms  %s\n", dedicated ? "slowest dedicated command" : "slowest generic command",
                bySpeed.front()->ms, qPrintable(bySpeed.front()->path));
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();
    const int top = intOption(args, "--top", 5);

    QTemporaryDir dir;
    SimulatorProcess sim({}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;
    MainWindowOnSimulator window(dir.path(), sim.port());
    std::vector<Command> commands = commandsToOpen();
    int failed = 0;
    QElapsedTimer total;
    try {
        TMainForm &mainForm = window.open();
        total.start();
        for (Command &command : commands) {
            openAndRefresh(command, mainForm);
            if (!command.read()) {
                ++failed;
                std::printf("not read: %s: %s\n", qPrintable(command.path), qPrintable(command.statuses.join(" | ")));
            }
        }
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "bench_catalogue: %d %s\n", e.code(), qPrintable(e.text()));
        return 1;
    }
    const double totalMs = double(total.elapsed());
    printSlowest(commands, false, top);
    printSlowest(commands, true, top);
    std::printf("%d of %zu commands without \"Get: Ok\"\n", failed, commands.size());
    printFigure("total, every dialog command once", totalMs, "ms");
    return failed ? 1 : 0;
}
