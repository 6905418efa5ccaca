#include "bench/BenchSupport.h"

#include "app/CommandDispatcher.h"
#include "app/TMainForm.h"
#include "app/cli/CliCommandFinder.h"
#include "app/core/RegistryStore.h"
#include "binding/QxControllerHost.h"
#include "binding/QxListView.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/TConfigForm.h"
#include "dialogs/generic/TListViewPanel.h"
#include "dialogs/generic/TSNMPListViewPanel.h"
#include "common/SimulatorProcess.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QTreeWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace BenchSupport {

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(content) == content.size();
}

double statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble();
    return 0;
}

} // namespace

const QxSNMPVarItem fdbTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", QxSyntax::uinteger, QxAccess::notaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "MAC Address", QxSyntax::macaddress, QxAccess::notaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", QxSyntax::integer, QxAccess::readonly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", QxSyntax::integer, QxAccess::readonly},
    {},
};

Walk walkSynchronous(const QxSNMPVarItem *items, int keyCount, int maxRepetitions)
{
    Walk walk;
    QxSNMPRequest request;
    request.maxRepetitions = maxRepetitions;
    request.varList() = QxSNMPVarList(items, MVT_FMV, keyCount);
    QElapsedTimer clock;
    clock.start();
    try {
        for (bool more = request.readRow(true); more; more = request.readRow(false))
            ++walk.rows;
    } catch (const QxSNMPException &e) {
        walk.errorCode = e.code();
    }
    walk.ms = clock.elapsed();
    return walk;
}

Walk walkAsynchronous(const QxSNMPVarItem *items, int keyCount, int maxRepetitions)
{
    Walk walk;
    QxSNMPRequest request;
    request.maxRepetitions = maxRepetitions;
    request.varList() = QxSNMPVarList(items, MVT_FMV, keyCount);
    QEventLoop loop;
    std::function<void(void *, const QxSNMPError &, QxSNMPVarList &)> handler =
        [&](void *, const QxSNMPError &e, QxSNMPVarList &) {
            if (e.code != 0 || e.endOfData) {
                walk.errorCode = e.code;
                loop.quit();
                return;
            }
            ++walk.rows;
            request.readRowAsync(handler, nullptr, false);
        };
    QElapsedTimer clock;
    clock.start();
    try {
        request.readRowAsync(handler, nullptr, true);
        loop.exec();
    } catch (const QxSNMPException &e) {
        walk.errorCode = e.code();
    }
    walk.ms = clock.elapsed();
    return walk;
}

PageWalk walkIntoTablePage()
{
    PageWalk result;
    TConfigForm form(nullptr);
    form.setWindowTitle("Forwarding Database : 127.0.0.1");
    auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
    controller->varList() = QxSNMPVarList(fdbTable, MVT_FMV, 2);
    QxSNMPRequest2Edits *c = controller.get();
    TSNMPListViewPanel *page = form.CreateListViewPanel(std::move(controller), -1, {}, -1, {});
    QTreeWidget *list = page->listViewPanel()->listView();

    QEventLoop walking;
    QObject::connect(c, &QxSNMPRequest2Controls::readDone, [&](QxSNMPRequest2Controls *, const QxSNMPError &e) {
        result.walk.errorCode = e.code;
        walking.quit();
    });
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QElapsedTimer sinceRow;
    QTimer ticker;
    ticker.setInterval(2);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        result.longestTickGapMs = std::max(result.longestTickGapMs, sinceTick.restart());
    });
    QObject::connect(page->listViewPanel(), &TListViewPanel::rowsChanged, [&](int) {
        if (sinceRow.isValid())
            result.longestRowGapMs = std::max(result.longestRowGapMs, sinceRow.restart());
        else
            sinceRow.start();
    });

    clock.start();
    sinceTick.start();
    ticker.start();
    form.show(); // the first read starts once the dialog is on screen
    QTimer::singleShot(600000, &walking, &QEventLoop::quit);
    walking.exec();
    result.walk.ms = clock.elapsed();
    ticker.stop();
    result.walk.rows = list->topLevelItemCount();
    form.done(QDialog::Rejected);
    return result;
}

void warmUpWidgets()
{
    TConfigForm form(nullptr);
    form.setWindowTitle("warm-up");
    auto *list = new QTreeWidget(&form);
    list->setHeaderLabels({"MAC Address", "Port"});
    new QTreeWidgetItem(list, QStringList{"02:50:56:00:00:00", "1"}); // owned by the list
    form.show();
    form.grab();
    QCoreApplication::processEvents();
}

void printPageWalk(const char *what, const PageWalk &page)
{
    printWalk(what, page.walk);
    std::printf("  table page: longest event-loop wait %lld ms, longest gap between rows %lld ms\n",
                page.longestTickGapMs, page.longestRowGapMs);
}

void printWalk(const char *what, const Walk &walk)
{
    std::printf("%-32s %6d rows in %7.3f s: %9.1f rows/s\n", what, walk.rows, double(walk.ms) / 1000.0, walk.rate());
    if (walk.errorCode != 0)
        std::printf("  (ended with code %d)\n", walk.errorCode);
}

void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    useOffscreenUnlessSet();
    auto app = std::make_unique<QApplication>(argc, argv);
    qputenv("MIBS", "");
    return app;
}

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

int intOption(const QStringList &args, const QString &name, int fallback, int minimum)
{
    bool ok = false;
    const int value = option(args, name).toInt(&ok);
    return qMax(minimum, ok ? value : fallback);
}

QString simulatorPath(const QStringList &args)
{
    return option(args, "--sim", QDir(QCoreApplication::applicationDirPath()).filePath("nx2400p-sim"));
}

bool useSimulator(const SimulatorProcess &simulator, const QTemporaryDir &dir)
{
    if (!simulator.running()) {
        std::fprintf(stderr, "the simulator did not come up\n");
        return false;
    }
    initializeSession(dir.path());
    simulator.useAsDefaultAgent();
    return true;
}

double residentMiB()
{
    return statusKiB("VmRSS:") / 1024.0;
}

double peakResidentMiB()
{
    return statusKiB("VmHWM:") / 1024.0;
}

qint64 monotonicNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double cpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

MainWindowOnSimulator::MainWindowOnSimulator(const QString &dir, quint16 port)
    : m_dir(dir)
{
    writeFile(dir + "/registry.ini",
              "[SOFTWARE\\Brannoc\\Stellan5.1\\MibFile]\nPath=" + dir.toLocal8Bit() + "/\n");
    writeFile(dir + "/127.0.0.1.cfg", "[Program Information]\nAgentPort=" + QByteArray::number(port)
                                          + "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\n"
                                            "PrivProtocol=0\n");
    m_registry = std::make_unique<RegistryStore>(dir + "/registry.ini");
}

MainWindowOnSimulator::~MainWindowOnSimulator() = default;

TMainForm &MainWindowOnSimulator::open(const ModuleStartup::Overrides &overrides)
{
    m_form = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, *m_registry, nullptr,
                                         m_dir, overrides);
    return *m_form;
}

std::vector<DialogCommand> dialogCommands()
{
    std::vector<DialogCommand> commands;
    const CliCommandFinder finder;
    for (const CliCommandFinder::Command &c : finder.commands())
        if (CommandDispatcher::opensDialog(*c.record) && CommandDispatcher::isAvailable(*c.record))
            commands.push_back({c.path, c.record});
    return commands;
}

QList<QxSNMPRequest2Controls *> controllersOf(const QDialog &dialog)
{
    const auto *host = dynamic_cast<const QxControllerHost *>(&dialog);
    return host ? host->controllers() : QList<QxSNMPRequest2Controls *>();
}

bool busy(const QDialog &dialog)
{
    const QList<QxSNMPRequest2Controls *> all = controllersOf(dialog);
    return std::any_of(all.begin(), all.end(), [](const QxSNMPRequest2Controls *c) { return c->busy(); });
}

void printFigure(const char *label, double value, const char *unit)
{
    std::printf("%-40s %10.3f %s\n", label, value, unit);
}

} // namespace BenchSupport
