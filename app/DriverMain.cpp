// nx2400p-dialog: opens any menu command's dialog against an agent exactly as
// the module's menu does, and drives it as a user would, for checking a dialog
// by hand or from a script:
//
//   nx2400p-sim --listen udp:127.0.0.1:16161 &
//   nx2400p-dialog /I127.0.0.1 --port 16161 --command "Static Table" --do type:ED_VLANID=10
//       --do "tick:Egress Ports/CheckBox1=1" --do click:btnAdd --grab vlan.png
#include "app/CommandDispatcher.h"
#include "app/DialogDriver.h"
#include "app/DriverArguments.h"
#include "app/DriverPanel.h"
#include "app/DriverViews.h"
#include "app/TMainForm.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliError.h"
#include "app/cli/CliProgram.h"
#include "app/core/RegistryStore.h"
#include "app/core/ProgramVersion.h"
#include "device/TPortTrafficForm.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// One line per command that opens a dialog: shape, class (or "generic"), path,
// and "missing" for a dedicated dialog whose class this build lacks.
QString listing(const CliCommandFinder &finder)
{
    QString out;
    for (const CliCommandFinder::Command &c : finder.commands()) {
        const CommandRecord &r = *c.record;
        if (!CommandDispatcher::opensDialog(r))
            continue;
        const bool dedicated = r.shape == CommandShape::Dedicated;
        out += CliCommandFinder::shapeLetter(r.shape) + QLatin1Char('\t')
               + (dedicated ? QString::fromLatin1(r.target) : QStringLiteral("generic")) + QLatin1Char('\t') + c.path
               + (CommandDispatcher::isAvailable(r) ? QString() : QStringLiteral("\tmissing")) + QLatin1Char('\n');
    }
    return out;
}

// The port's traffic chart, sampled for the seconds asked, one line per point.
int runTraffic(const DriverArguments &args, TMainForm &mainForm)
{
    auto *window = new TPortTrafficForm(&mainForm, *args.traffic);
    QObject::connect(window, &TRateChartForm::pointAdded, window,
                     [](double seconds, const QList<std::optional<double>> &rates) {
                         const auto bps = [&rates](int series) {
                             const std::optional<double> rate = rates.value(series);
                             return rate ? QString::number(std::llround(*rate)) : QStringLiteral("-");
                         };
                         CliProgram::write(stdout, QStringLiteral("sample: %1 %2 %3\n")
                                                       .arg(seconds, 0, 'f', 1)
                                                       .arg(bps(TPortTrafficForm::In), bps(TPortTrafficForm::Out)));
                     });
    window->show();
    QEventLoop sampling;
    // A little over the last interval, so that its sample is in.
    QTimer::singleShot(args.seconds * 1000 + 500, &sampling, &QEventLoop::quit);
    sampling.exec();
    if (!args.grab.isEmpty() && !window->grab().save(args.grab))
        throw CliError(QStringLiteral("Can not write %1").arg(args.grab));
    window->close();
    return 0;
}

// The --do actions, refused before any exchange when one is no action.
QList<DriverAction> actionsOf(const DriverArguments &args)
{
    QList<DriverAction> actions;
    for (const QString &text : args.actions)
        actions << DriverAction::parse(text);
    return actions;
}

// Drives a dialog or window: the actions in order, then the tree and picture asked for.
int drive(QDialog &dialog, const QList<DriverAction> &actions, const DriverArguments &args)
{
    DialogDriver driver(dialog, actions, stdout);
    driver.setPrintTree(args.tree);
    driver.setGrabFile(args.grab);
    return driver.run();
}

int run(const DriverArguments &args)
{
    const CliCommandFinder finder;
    if (args.help) {
        CliProgram::write(stdout, DriverArguments::usage());
        return 0;
    }
    if (args.list) {
        CliProgram::write(stdout, listing(finder));
        return 0;
    }
    if (args.traffic) {
        if (args.launchParameters.isEmpty())
            throw CliError(QStringLiteral("No parameter input"));
        const RegistryStore registry(RegistryStore::defaultLocation());
        TMainForm mainForm(args.launchParameters, registry, nullptr, QString(),
                           ModuleStartup::Overrides(args.port, args.timeout));
        return runTraffic(args, mainForm);
    }
    if (args.panel) {
        QList<DriverAction> actions;
        for (const QString &text : args.actions)
            actions << DriverAction::parse(text);
        if (args.launchParameters.isEmpty())
            throw CliError(QStringLiteral("No parameter input"));
        const RegistryStore registry(RegistryStore::defaultLocation());
        TMainForm mainForm(args.launchParameters, registry, nullptr, QString(),
                           ModuleStartup::Overrides(args.port, args.timeout));
        return DriverPanel(mainForm, actions, stdout).run(args.grab);
    }
    if (!args.window.isEmpty()) {
        const QList<DriverAction> actions = actionsOf(args);
        if (args.launchParameters.isEmpty())
            throw CliError(QStringLiteral("No parameter input"));
        // The main window sets up the session, the journal and the defaults
        // the window reads with; it is never shown.
        const RegistryStore registry(RegistryStore::defaultLocation());
        TMainForm mainForm(args.launchParameters, registry, nullptr, QString(),
                           ModuleStartup::Overrides(args.port, args.timeout));
        std::unique_ptr<QDialog> window = DriverViews::open(args.window, &mainForm);
        const int status = drive(*window, actions, args);
        window.reset();
        return status;
    }
    // Everything that can be refused is refused before any exchange.
    const CliCommandFinder::Command &command = finder.find(args.command);
    const CommandRecord &record = *command.record;
    if (!CommandDispatcher::opensDialog(record))
        throw CliError(QStringLiteral("\"%1\" opens no dialog").arg(command.path));
    if (!CommandDispatcher::isAvailable(record))
        throw CliError(QStringLiteral("\"%1\" opens %2, whose dialog is not written yet")
                           .arg(command.path, QString::fromLatin1(record.target)));
    const QList<DriverAction> actions = actionsOf(args);
    if (args.launchParameters.isEmpty())
        throw CliError(QStringLiteral("No parameter input"));

    const RegistryStore registry(RegistryStore::defaultLocation());
    const ModuleStartup::Overrides overrides(args.port, args.timeout);
    TMainForm mainForm(args.launchParameters, registry, nullptr, QString(), overrides);
    std::unique_ptr<QDialog> dialog = mainForm.dispatcher().openDialog(record);
    if (!dialog)
        throw CliError(QStringLiteral("\"%1\" opens no dialog").arg(command.path));
    const int status = drive(*dialog, actions, args);
    dialog.reset();
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    if (ProgramVersion::asked(argc, argv))
        return ProgramVersion::print("nx2400p-dialog");
    // Without a display the dialog is driven and grabbed off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nx2400p-dialog"));
    const QStringList arguments = QApplication::arguments().mid(1);
    return CliProgram::run([&arguments] { return run(DriverArguments::parse(arguments)); });
}
