// Every generic command of the catalogue (editor and table pages) opened once
// from the main window on the simulator, offscreen, until its first read has
// ended: the time from building the dialog to the read's report, in total and
// for the slowest command. The last line gives the total.
//
//   bench_catalogue [--sim PATH] [--top N]

#include "bench/BenchSupport.h"

#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "app/CliCommandFinder.h"
#include "app/GenericCommand.h"
#include "app/TMainForm.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxSNMPException.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>

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
    QString status;
};

// The catalogue's editor and table commands with their menu paths.
std::vector<Command> genericCommands()
{
    std::vector<Command> commands;
    const CliCommandFinder finder;
    for (const CliCommandFinder::Command &c : finder.commands())
        if (c.record->shape == CommandShape::Editor || c.record->shape == CommandShape::Table)
            commands.push_back({c.path, c.record});
    return commands;
}

// Opens the command's dialog and waits for its first read's report.
void openAndRefresh(Command &command, TMainForm &mainForm)
{
    QElapsedTimer clock;
    clock.start();
    GenericCommand generic(*command.record, mainForm);
    std::unique_ptr<TConfigForm> form = generic.build();
    form->show();
    QPlainTextEdit *memo = form->panel()->msgPanel()->memo();
    waitUntil([&] { return !memo->toPlainText().isEmpty() && !(form->controller() && form->controller()->busy()); },
              30000);
    command.ms = clock.elapsed();
    command.status = memo->toPlainText().section('\n', 0, 0);
    form->close();
}

} // namespace

int main(int argc, char **argv)
{
    useOffscreenUnlessSet();
    QApplication app(argc, argv);
    qputenv("MIBS", "");
    const QStringList args = app.arguments();
    const int top = intOption(args, "--top", 5);

    QTemporaryDir dir;
    SimulatorProcess sim({}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;
    MainWindowOnSimulator window(dir.path(), sim.port());
    std::vector<Command> commands = genericCommands();
    int failed = 0;
    QElapsedTimer total;
    try {
        TMainForm &mainForm = window.open();
        total.start();
        for (Command &command : commands) {
            openAndRefresh(command, mainForm);
            if (!command.status.startsWith("Get: Ok")) {
                ++failed;
                std::printf("not read: %s: %s\n", qPrintable(command.path), qPrintable(command.status));
            }
        }
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "bench_catalogue: %d %s\n", e.code(), qPrintable(e.text()));
        return 1;
    }
    const double totalMs = double(total.elapsed());

    std::vector<const Command *> bySpeed;
    for (const Command &c : commands)
        bySpeed.push_back(&c);
    std::sort(bySpeed.begin(), bySpeed.end(), [](const Command *a, const Command *b) { return a->ms > b->ms; });
    std::printf("slowest commands:\n");
    for (int i = 0; i < top && i < int(bySpeed.size()); ++i)
        std::printf("  %6lld ms  %s\n", bySpeed[size_t(i)]->ms, qPrintable(bySpeed[size_t(i)]->path));
    std::printf("%zu generic commands opened and read, %d without \"Get: Ok\"\n", commands.size(), failed);
    if (!commands.empty()) {
        printFigure("mean per command", totalMs / double(commands.size()), "ms");
        std::printf("%-40s %10lld ms  %s\n", "slowest command", bySpeed.front()->ms,
                    qPrintable(bySpeed.front()->path));
    }
    printFigure("total, every generic command once", totalMs, "ms");
    return failed ? 1 : 0;
}
