#pragma once

#include "app/core/ModuleStartup.h"
#include "snmp/QxSNMPVarList.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

class QApplication;
class QDialog;
class QxSNMPRequest2Controls;
class RegistryStore;
class SimulatorProcess;
class TMainForm;
struct CommandRecord;

// What the benchmarks share among themselves; the simulator process, the
// event-loop wait and net-snmp's tools they share with the tests (tests/common).
// Here: the session pointed at the simulator, the main window opened on it the
// way the host suite would (registry file and device settings file), the
// catalogue's dialog commands and their dialogs' controllers, and the figures'
// print format.

namespace BenchSupport {

// Benchmarks run offscreen unless QT_QPA_PLATFORM says otherwise; call before
// the application object is made.
void useOffscreenUnlessSet();
// A benchmark's application: offscreen as above, and net-snmp reading no MIB
// files (every benchmark names its objects by number).
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

// The value after `option` on the command line, or `fallback`.
QString option(const QStringList &args, const QString &name, const QString &fallback = QString());
// A whole-number option; values below `minimum` are raised to it.
int intOption(const QStringList &args, const QString &name, int fallback, int minimum = 1);

// The simulator next to the benchmark's binary, or --sim PATH.
QString simulatorPath(const QStringList &args);
// Initialises the session with its files in `dir` and points it at the
// simulator (SNMPv2c, the test communities); false, and why on stderr, when
// the simulator did not come up.
bool useSimulator(const SimulatorProcess &simulator, const QTemporaryDir &dir);

// Resident memory of this process now and at its peak, in MiB.
double residentMiB();
double peakResidentMiB();
// CLOCK_MONOTONIC in nanoseconds: one clock for a parent and its children.
qint64 monotonicNs();
// CPU time (user + system) this process has used, in seconds.
double cpuSeconds();

// The registry file and the device settings file that point the main window
// at the simulator (SNMPv2c), and the window built from launch parameters.
class MainWindowOnSimulator
{
public:
    // The files in `dir` for a simulator on `port`.
    MainWindowOnSimulator(const QString &dir, quint16 port);
    ~MainWindowOnSimulator();
    // Raises what the window's start-up raises. The overrides are the ones the
    // module's own tools take (a shorter request time-out, say).
    TMainForm &open(const ModuleStartup::Overrides &overrides = {});
    TMainForm *form() const { return m_form.get(); }

private:
    QString m_dir;
    std::unique_ptr<RegistryStore> m_registry;
    std::unique_ptr<TMainForm> m_form;
};

// A menu command that opens a dialog, with its menu path.
struct DialogCommand
{
    QString path;
    const CommandRecord *record = nullptr;
};
// Every command of the catalogue that opens a dialog this build has (generic
// editor and table pages, dedicated dialogs), in menu order.
std::vector<DialogCommand> dialogCommands();
// The request controllers a dialog owns now (generic and dedicated dialogs
// are controller hosts); none once its close sequence has run.
QList<QxSNMPRequest2Controls *> controllersOf(const QDialog &dialog);
// Whether any of them is still reading or writing.
bool busy(const QDialog &dialog);

// The simulator's forwarding database (dot1qTpFdbTable, two index keys).
extern const QxSNMPVarItem fdbTable[];
// The prefix of its Port column, numerically.
inline constexpr char fdbPortColumn[] = "1.3.6.1.2.1.17.7.1.2.2.1.2";

struct Walk
{
    int rows = 0;
    qint64 ms = 0;
    int errorCode = 0; // what ended the walk, 0 for its end
    double rate() const { return ms > 0 ? rows * 1000.0 / double(ms) : 0.0; }
};
// The table walked row by row with readRow (synchronous), with the request's
// max-repetitions setting (-1 adapts, 0 one GET-NEXT per row).
Walk walkSynchronous(const QxSNMPVarItem *items, int keyCount, int maxRepetitions);
// The same with readRowAsync, one row after the other through the event pump.
Walk walkAsynchronous(const QxSNMPVarItem *items, int keyCount, int maxRepetitions);

struct PageWalk
{
    Walk walk;
    qint64 longestTickGapMs = 0; // longest wait of the event loop while rows came in
    qint64 longestRowGapMs = 0;  // longest time between two rows reaching the list
};
// The forwarding database read into the generic dialog's table page, shown
// offscreen, from its first refresh to the end of the walk, with the session's
// max-repetitions setting.
PageWalk walkIntoTablePage();
// The first window of a process loads the fonts and the style; that is no part
// of a walk, so it happens once before any page is measured.
void warmUpWidgets();
// "what   rows in s: rows/s" and the page's event-loop figures.
void printPageWalk(const char *what, const PageWalk &page);

// "what   rows in s: rows/s".
void printWalk(const char *what, const Walk &walk);
// "label   figure unit" in one column layout.
void printFigure(const char *label, double value, const char *unit);

} // namespace BenchSupport
