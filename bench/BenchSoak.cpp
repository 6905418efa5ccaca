// Every command of the catalogue that opens a dialog (generic editor and table
// pages, and the dedicated dialogs), opened through the main window's dispatch
// and closed again, round after round against the simulator dropping a share
// of the requests, then once against an agent that answers nothing. Each
// dialog is shown, left to its first reads (up to a bound) in the odd rounds
// or closed while it reads in the even ones and against the silent agent, then
// destroyed, and the close is timed.
//
// The rounds run in a worker process (this program with --worker) that reports
// every step on its standard output, so that a dialog that brings the module
// down is named and the rest still run: a new worker goes on from the next
// dialog. Message boxes are answered as they show and reported as "box:" lines.
// Printed: the crashes; the longest the worker's event loop went without
// running a timer that ticks every few ms, and the dialog open then; the
// dialogs that took longer to close than their bound (the largest time-out x
// tries + 1 s of their controllers); resident memory after the first and the
// last dropping round. The last line sums it up.
//
//   bench_soak [--rounds N] [--drop P] [--sim PATH] [--only SUBSTRING]

#include "bench/BenchSupport.h"

#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "app/CommandDispatcher.h"
#include "app/DriverControls.h"
#include "app/DriverWindows.h"
#include "app/TMainForm.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "snmp/QxSNMPException.h"
#include "tables/CommandRecord.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

using namespace BenchSupport;
using TestSupport::waitUntil;

namespace {

// Short, so that the round against the silent agent does not wait two seconds
// for every exchange; the loopback agent answers within a few ms even on a
// busy machine, and a late answer only costs a retry.
constexpr int kTimeoutHundredths = 20;
constexpr int kTries = 2; // the module's default: one retry
// A dialog that has no controllers is given the bound of one exchange.
constexpr int kOneExchangeBoundMs = kTimeoutHundredths * 10 * kTries + 1000;
// The first reads of a dialog are waited for this long at most; a walk that
// loses requests takes a while, one that is still busy then is closed busy.
constexpr int kFirstReadsBoundMs = 30000;
// A generic page posts its first read once it shows; until then it is idle.
constexpr int kFirstReadSettleMs = 150;
// In the even dropping rounds and against the silent agent a dialog is closed
// this long after it shows, its first reads most likely still on their way:
// the close has to stop them and wait for them within its bound.
constexpr int kEarlyCloseMs = 30;
constexpr int kTickMs = 5;
// A worker that reports nothing for this long hangs: it is ended.
constexpr int kStuckMs = 120000;
// A worker that cannot open the main window ends with this status.
constexpr int kNoMainWindowStatus = 3;

// One dialog of one round: the index of its command in the list both
// processes make from the catalogue.
struct Step
{
    int round = 0;
    int dialog = 0;
};

std::vector<DialogCommand> selectedCommands(const QString &only)
{
    std::vector<DialogCommand> commands = dialogCommands();
    std::erase_if(commands, [&](const DialogCommand &c) { return !c.path.contains(only, Qt::CaseInsensitive); });
    return commands;
}

// ---- the worker

// A timer ticking every few ms on the GUI thread: the longest time the event
// loop went without running it since the last restart.
class TickGapWatch final
{
public:
    TickGapWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(kTickMs);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer,
                         [this] { m_longestMs = std::max(m_longestMs, m_sinceTick.restart()); });
        m_sinceTick.start();
        m_timer.start();
    }

    void restart()
    {
        m_longestMs = 0;
        m_sinceTick.restart();
    }
    // Including the gap still open now (a close that blocked until just now).
    qint64 longestMs() const { return std::max(m_longestMs, m_sinceTick.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestMs = 0;
};

// Runs the rounds and reports, one line each, on stdout:
//   open R I                                 before dialog I of round R is built
//   closed R I CLOSE_MS BOUND_MS HANG_MS HOW  once it is destroyed; HOW is read
//                                            (first reads over), busy (still
//                                            reading at the bound), early (closed
//                                            while it read, as asked), refused
//                                            (it stayed open on close) or raised
//   raised R I TEXT                          what building or closing it raised
//   round R MIB                              resident memory after round R
class SoakWorker final
{
public:
    SoakWorker(TMainForm &mainForm, const std::vector<DialogCommand> &commands, int droppingRounds)
        : m_mainForm(mainForm), m_commands(commands), m_droppingRounds(droppingRounds)
    {
    }

    void run(Step from, int lastRound)
    {
        for (Step step = from; step.round <= lastRound; ++step.round, step.dialog = 0) {
            for (; step.dialog < int(m_commands.size()); ++step.dialog)
                soak(step);
            report(QStringLiteral("round %1 %2").arg(step.round).arg(residentMiB(), 0, 'f', 1));
        }
    }

private:
    static void report(const QString &line)
    {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }

    static int closeBound(const QDialog &dialog)
    {
        int bound = 0;
        for (const QxSNMPRequest2Controls *c : controllersOf(dialog))
            bound = std::max(bound, c->waitLimitMs());
        return bound > 0 ? bound : kOneExchangeBoundMs;
    }

    void soak(const Step &step)
    {
        const QString at = QStringLiteral("%1 %2").arg(step.round).arg(step.dialog);
        report(QStringLiteral("open ") + at);
        m_ticks.restart();
        qint64 closeMs = 0;
        int bound = kOneExchangeBoundMs;
        const char *how = "raised";
        try {
            // Opened beside the main window as the menu opens it.
            const QPointer<QDialog> dialog =
                m_mainForm.dispatcher().showDialog(*m_commands[size_t(step.dialog)].record);
            if (!dialog)
                throw std::runtime_error("the command opened no dialog");
            QElapsedTimer shown;
            shown.start();
            const bool early = step.round % 2 == 0 || step.round > m_droppingRounds;
            const bool read = !early && waitUntil(
                [&] {
                    return !busy(*dialog)
                           && (shown.elapsed() >= kFirstReadSettleMs || !DriverControls::statusTexts(dialog.data()).isEmpty());
                },
                kFirstReadsBoundMs);
            if (early)
                waitUntil([] { return false; }, kEarlyCloseMs);
            bound = closeBound(*dialog);
            QElapsedTimer closing;
            closing.start();
            dialog->close();
            // A dialog that closed is the window list's no more; its deferred
            // destruction is part of the close.
            const bool refused = dialog->isVisible() || m_mainForm.dispatcher().windows().count() > 0;
            const std::unique_ptr<QDialog> destroyed(dialog.data());
            closeMs = closing.elapsed();
            how = refused ? "refused" : early ? "early" : read ? "read" : "busy";
        } catch (const QxSNMPException &e) {
            report(QStringLiteral("raised %1 %2 %3").arg(at).arg(e.code()).arg(e.text()));
        } catch (const std::exception &e) {
            report(QStringLiteral("raised %1 %2").arg(at, QString::fromLocal8Bit(e.what())));
        }
        report(QStringLiteral("closed %1 %2 %3 %4 %5").arg(at).arg(closeMs).arg(bound).arg(m_ticks.longestMs()).arg(how));
    }

    TMainForm &m_mainForm;
    const std::vector<DialogCommand> &m_commands;
    const int m_droppingRounds;
    TickGapWatch m_ticks;
};

int runWorker(const QStringList &args)
{
    const Step from{intOption(args, "--round", 1), intOption(args, "--from", 0, 0)};
    const int lastRound = intOption(args, "--last-round", from.round);
    const std::vector<DialogCommand> commands = selectedCommands(option(args, "--only"));
    // Every box any dialog raises, answered as it shows and reported as "box: CAPTION: TEXT".
    DriverWindows boxes(nullptr, stdout);
    QTemporaryDir dir;
    MainWindowOnSimulator window(dir.path(), quint16(intOption(args, "--port", 0)));
    try {
        TMainForm &mainForm = window.open(ModuleStartup::Overrides(std::nullopt, kTimeoutHundredths));
        SoakWorker(mainForm, commands, intOption(args, "--dropping-rounds", 5)).run(from, lastRound);
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "bench_soak worker: %d %s\n", e.code(), qPrintable(e.text()));
        return kNoMainWindowStatus;
    }
    return 0;
}

// ---- the parent

// What the workers reported, gathered over the whole run.
class SoakTally final
{
public:
    SoakTally(const std::vector<DialogCommand> &commands, int droppingRounds)
        : m_commands(commands), m_droppingRounds(droppingRounds)
    {
        m_clock.start();
    }

    // One line of the worker numbered `worker`.
    void take(const QString &line, int worker)
    {
        const QStringList words = line.split(QLatin1Char(' '));
        const auto number = [&](int i) { return words.value(i).toLongLong(); };
        if (line.startsWith(QLatin1String("box: "))) {
            if (m_open)
                m_boxes.push_back({*m_open, line.mid(5)});
            ++roundTally(m_open ? m_open->round : 0).boxes;
        } else if (words.first() == QLatin1String("open") && words.size() == 3) {
            m_open = Step{int(number(1)), int(number(2))};
            ++m_opened;
            RoundTally &r = roundTally(m_open->round);
            if (r.dialogs == 0 && !r.started)
                r.started = m_clock.elapsed();
        } else if (words.first() == QLatin1String("closed") && words.size() == 7) {
            const Closed closed{{int(number(1)), int(number(2))}, number(3), number(4), number(5), words[6]};
            m_closed.push_back(closed);
            m_open.reset();
            m_lastClosed = closed.step;
            RoundTally &r = roundTally(closed.step.round);
            ++r.dialogs;
            if (!r.longestHang || closed.hangMs > r.longestHang->hangMs)
                r.longestHang = closed;
            r.notClosed += closed.closeMs > closed.boundMs;
            r.stillReading += closed.how == QLatin1String("busy");
        } else if (words.first() == QLatin1String("raised") && words.size() >= 3) {
            m_raised << QStringLiteral("round %1, %2: %3")
                            .arg(words[1], path({int(number(1)), int(number(2))}), words.mid(3).join(QLatin1Char(' ')));
        } else if (words.first() == QLatin1String("round") && words.size() == 3) {
            RoundTally &r = roundTally(int(number(1)));
            r.residentMiB = words[2].toDouble();
            r.worker = worker;
            printRound(int(number(1)), r);
        }
    }

    // The worker died, or hung and was ended: on the dialog open then, if any.
    void workerEnded(const QString &how, bool hung)
    {
        const QString where = m_open ? QStringLiteral("round %1, %2").arg(m_open->round).arg(path(*m_open))
                                     : QStringLiteral("between dialogs");
        (hung ? m_stuck : m_crashes) << where + QStringLiteral(": ") + how;
        std::printf("%s: %s: %s\n", hung ? "hung" : "crash", qPrintable(where), qPrintable(how));
        std::fflush(stdout);
    }

    std::optional<Step> openStep() const { return m_open; }
    int opened() const { return m_opened; }
    std::optional<Step> lastClosed() const { return m_lastClosed; }
    void forgetOpen() { m_open.reset(); }

    // Prints the findings; the last line sums them up.
    void print() const
    {
        printList("crashes", m_crashes);
        printList("workers ended after hanging (counted as not closed)", m_stuck);
        printList("raised while opening or closing", m_raised);
        printHangs();
        printNotClosed();
        printBoxes();
        const double growth = memoryGrowth();
        std::printf("soak: crashes %d, longest hang %lld ms, not closed %d, memory growth %.1f MiB\n",
                    int(m_crashes.size()), longestHang() ? longestHang()->hangMs : 0, notClosed(), growth);
    }

private:
    struct Closed
    {
        Step step;
        qint64 closeMs = 0;
        qint64 boundMs = 0;
        qint64 hangMs = 0;
        QString how;
    };
    struct RoundTally
    {
        std::optional<qint64> started;
        int dialogs = 0;
        int notClosed = 0;
        int stillReading = 0;
        int boxes = 0;
        std::optional<Closed> longestHang;
        double residentMiB = 0;
        int worker = 0; // the one that reported the memory figure
    };
    struct Box
    {
        Step step;
        QString text;
    };

    RoundTally &roundTally(int r) { return m_rounds[r]; }

    QString path(const Step &step) const
    {
        return step.dialog >= 0 && step.dialog < int(m_commands.size()) ? m_commands[size_t(step.dialog)].path.simplified()
                                                                         : QStringLiteral("?");
    }

    QString roundName(int r) const
    {
        return r > m_droppingRounds ? QStringLiteral("silent agent") : QStringLiteral("round %1").arg(r);
    }

    void printRound(int r, const RoundTally &t) const
    {
        const double seconds = double(m_clock.elapsed() - t.started.value_or(m_clock.elapsed())) / 1000.0;
        std::printf("%-13s %3d dialogs in %6.1f s, longest hang %5lld ms (%s), not closed %d, still reading at the "
                    "bound %d, boxes %d, resident %.1f MiB\n",
                    qPrintable(roundName(r)), t.dialogs, seconds, t.longestHang ? t.longestHang->hangMs : 0,
                    t.longestHang ? qPrintable(path(t.longestHang->step)) : "-", t.notClosed, t.stillReading, t.boxes,
                    t.residentMiB);
        std::fflush(stdout);
    }

    static void printList(const char *title, const QStringList &lines)
    {
        if (lines.isEmpty())
            return;
        std::printf("%s:\n", title);
        for (const QString &line : lines)
            std::printf("  %s\n", qPrintable(line));
    }

    std::optional<Closed> longestHang() const
    {
        const auto it = std::max_element(m_closed.begin(), m_closed.end(),
                                         [](const Closed &a, const Closed &b) { return a.hangMs < b.hangMs; });
        return it == m_closed.end() ? std::nullopt : std::optional<Closed>(*it);
    }

    // The longest hang of each dialog over all rounds, the worst first.
    void printHangs() const
    {
        std::map<int, Closed> worst;
        for (const Closed &c : m_closed)
            if (!worst.count(c.step.dialog) || c.hangMs > worst[c.step.dialog].hangMs)
                worst[c.step.dialog] = c;
        std::vector<Closed> byHang;
        for (const auto &[dialog, c] : worst)
            byHang.push_back(c);
        std::sort(byHang.begin(), byHang.end(), [](const Closed &a, const Closed &b) { return a.hangMs > b.hangMs; });
        const auto over = std::count_if(byHang.begin(), byHang.end(), [](const Closed &c) { return c.hangMs > 100; });
        std::printf("dialogs that hung the event loop over 100 ms in some round: %lld; the longest:\n",
                    static_cast<long long>(over));
        for (size_t i = 0; i < byHang.size() && i < 10; ++i)
            std::printf("  %6lld ms  %s, %s\n", byHang[i].hangMs, qPrintable(roundName(byHang[i].step.round)),
                        qPrintable(path(byHang[i].step)));
        if (const std::optional<Closed> top = longestHang())
            std::printf("longest hang of the event loop (goal <= 100 ms): %lld ms, %s, %s\n", top->hangMs,
                        qPrintable(roundName(top->step.round)), qPrintable(path(top->step)));
    }

    int notClosed() const
    {
        const auto late = std::count_if(m_closed.begin(), m_closed.end(),
                                        [](const Closed &c) { return c.closeMs > c.boundMs; });
        return int(late) + int(m_stuck.size());
    }

    void printNotClosed() const
    {
        std::printf("dialogs not closed within their bound (goal 0): %d\n", notClosed());
        for (const Closed &c : m_closed)
            if (c.closeMs > c.boundMs)
                std::printf("  %s, %s: closing took %lld ms, bound %lld ms\n", qPrintable(roundName(c.step.round)),
                            qPrintable(path(c.step)), c.closeMs, c.boundMs);
        const auto slowest = std::max_element(m_closed.begin(), m_closed.end(),
                                              [](const Closed &a, const Closed &b) { return a.closeMs < b.closeMs; });
        if (slowest != m_closed.end())
            std::printf("slowest close: %lld ms (bound %lld ms), %s, %s\n", slowest->closeMs, slowest->boundMs,
                        qPrintable(roundName(slowest->step.round)), qPrintable(path(slowest->step)));
    }

    // Each text once per dialog, with how often it came.
    void printBoxes() const
    {
        std::map<QString, int> seen;
        for (const Box &b : m_boxes)
            ++seen[path(b.step) + QStringLiteral(": ") + b.text];
        std::printf("message boxes answered: %zu\n", m_boxes.size());
        int shown = 0;
        for (const auto &[text, count] : seen)
            if (shown++ < 30)
                std::printf("  %3dx %s\n", count, qPrintable(text));
        if (seen.size() > 30)
            std::printf("  ... and %zu more\n", seen.size() - 30);
    }

    double memoryGrowth() const
    {
        const auto first = m_rounds.find(1);
        const auto last = m_rounds.find(m_droppingRounds);
        if (first == m_rounds.end() || last == m_rounds.end() || first->second.residentMiB <= 0
            || last->second.residentMiB <= 0) {
            std::printf("resident memory: not measured (a dropping round did not end)\n");
            return 0;
        }
        const double growth = last->second.residentMiB - first->second.residentMiB;
        std::printf("resident memory after round 1: %.1f MiB, after round %d: %.1f MiB, growth (goal < 5 MiB): %.1f MiB%s\n",
                    first->second.residentMiB, m_droppingRounds, last->second.residentMiB, growth,
                    first->second.worker != last->second.worker ? " (measured in two workers: a crash came between)" : "");
        // The style keeps pixmaps of the sizes it has drawn in Qt's pixmap
        // cache, which fills over the first rounds up to the module's limit.
        std::printf("(Qt's pixmap cache, part of the figures until it is full, holds up to %.1f MiB in the module)\n",
                    TMainForm::PixmapCacheKiB / 1024.0);
        return growth;
    }

    const std::vector<DialogCommand> &m_commands;
    const int m_droppingRounds;
    QElapsedTimer m_clock;
    std::map<int, RoundTally> m_rounds;
    std::vector<Closed> m_closed;
    std::vector<Box> m_boxes;
    QStringList m_crashes;
    QStringList m_stuck;
    QStringList m_raised;
    std::optional<Step> m_open;
    std::optional<Step> m_lastClosed;
    int m_opened = 0;
};

// Starts workers from `from` to the end of lastRound on the agent at `port`,
// a new one after each that died or hung, from the dialog after the one it was on.
class WorkerRunner final
{
public:
    WorkerRunner(SoakTally &tally, int dialogCount, int droppingRounds, const QString &only)
        : m_tally(tally), m_dialogCount(dialogCount), m_droppingRounds(droppingRounds), m_only(only)
    {
    }

    // False when a worker could not even open the main window.
    bool run(quint16 port, Step from, int lastRound)
    {
        for (std::optional<Step> next = from; next;) {
            const int openedBefore = m_tally.opened();
            if (!runOne(port, *next, lastRound))
                return true;
            if (m_tally.opened() == openedBefore)
                return false; // no dialog reached: another worker would end the same way
            const std::optional<Step> at = m_tally.openStep();
            next = after(at ? *at : *m_tally.lastClosed(), lastRound);
            m_tally.forgetOpen();
        }
        return true;
    }

private:
    std::optional<Step> after(Step step, int lastRound) const
    {
        if (++step.dialog >= m_dialogCount)
            step = {step.round + 1, 0};
        return step.round <= lastRound ? std::optional<Step>(step) : std::nullopt;
    }

    // Runs one worker to its end; what went wrong, if anything.
    std::optional<QString> runOne(quint16 port, Step from, int lastRound)
    {
        ++m_workers;
        QStringList args{"--worker", "--port", QString::number(port), "--round", QString::number(from.round),
                         "--from", QString::number(from.dialog), "--last-round", QString::number(lastRound),
                         "--dropping-rounds", QString::number(m_droppingRounds)};
        if (!m_only.isEmpty())
            args << "--only" << m_only;
        QProcess worker;
        worker.setProgram(QCoreApplication::applicationFilePath());
        worker.setArguments(args);
        worker.start();
        if (!worker.waitForStarted(10000)) {
            m_tally.workerEnded(QStringLiteral("did not start: ") + worker.errorString(), false);
            return worker.errorString();
        }
        QByteArray errors;
        QElapsedTimer sinceReport;
        sinceReport.start();
        bool hung = false;
        for (;;) {
            while (worker.canReadLine()) {
                const QString line = QString::fromLocal8Bit(worker.readLine()).trimmed();
                // What explains a crash is said while the dialog it hit is open.
                if (line.startsWith(QLatin1String("open ")))
                    errors.clear();
                m_tally.take(line, m_workers);
                sinceReport.restart();
            }
            keepTail(errors, worker.readAllStandardError());
            if (worker.state() == QProcess::NotRunning)
                break;
            if (sinceReport.elapsed() > kStuckMs) {
                hung = true;
                worker.kill();
                worker.waitForFinished(5000);
                break;
            }
            worker.waitForReadyRead(1000);
        }
        for (const QByteArray &line : worker.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                m_tally.take(QString::fromLocal8Bit(line).trimmed(), m_workers);
        keepTail(errors, worker.readAllStandardError());

        const bool sanitizer = errors.contains("Sanitizer") || errors.contains("runtime error:");
        QString how;
        if (hung)
            how = QStringLiteral("no report for %1 s, ended").arg(kStuckMs / 1000);
        else if (worker.exitStatus() == QProcess::CrashExit)
            how = QStringLiteral("killed by signal %1").arg(worker.exitCode());
        else if (worker.exitCode() == kNoMainWindowStatus)
            how = QStringLiteral("could not open the main window");
        else if (worker.exitCode() != 0)
            how = QStringLiteral("exit status %1").arg(worker.exitCode());
        else if (sanitizer)
            how = QStringLiteral("sanitizer report");
        else
            return std::nullopt;
        m_tally.workerEnded(how + lastLines(errors), hung);
        return how;
    }

    // Qt's warnings add up over a long run; a crash explains itself at the end.
    static void keepTail(QByteArray &errors, const QByteArray &more)
    {
        constexpr qsizetype kept = 64 * 1024;
        errors += more;
        if (errors.size() > kept)
            errors.remove(0, errors.size() - kept);
    }

    // The end of what the worker said on stderr, where a crash explains
    // itself, without the offscreen platform's notices about window hints.
    static QString lastLines(const QByteArray &errors)
    {
        QList<QByteArray> lines = errors.trimmed().split('\n');
        lines.removeIf([](const QByteArray &line) {
            return line.trimmed().isEmpty() || line.startsWith("This plugin does not support");
        });
        if (lines.size() > 12)
            lines = lines.mid(lines.size() - 12);
        QString text;
        for (const QByteArray &line : lines)
            text += QStringLiteral("\n    ") + QString::fromLocal8Bit(line.trimmed());
        return text;
    }

    SoakTally &m_tally;
    const int m_dialogCount;
    const int m_droppingRounds;
    const QString m_only;
    int m_workers = 0;
};

int runSoak(const QStringList &args)
{
    const int rounds = intOption(args, "--rounds", 5);
    const int drop = std::min(100, intOption(args, "--drop", 20, 0));
    const QString only = option(args, "--only");
    const std::vector<DialogCommand> commands = selectedCommands(only);
    if (commands.empty()) {
        std::fprintf(stderr, "bench_soak: no dialog command matches \"%s\"\n", qPrintable(only));
        return 2;
    }
    const auto dedicated = std::count_if(commands.begin(), commands.end(), [](const DialogCommand &c) {
        return c.record->shape == CommandShape::Dedicated;
    });
    SimulatorProcess dropping({"--drop", QString::number(drop), "--seed", "2400"}, drop < 100, simulatorPath(args));
    SimulatorProcess silent({"--drop", "100"}, false, simulatorPath(args));
    if (!dropping.running() || !silent.running()) {
        std::fprintf(stderr, "bench_soak: the simulators did not come up\n");
        return 2;
    }

    std::printf("%zu dialog commands (%zu generic, %lld dedicated): %d rounds against the simulator dropping %d %% "
                "of requests, then one against an agent that answers nothing (the simulator dropping all)\n",
                commands.size(), commands.size() - size_t(dedicated), static_cast<long long>(dedicated), rounds, drop);
    std::printf("request time-out %.2f s, %d tries: at most %.2f s per exchange; a dialog's close bound is its "
                "controllers' time-out x tries + 1 s (%.2f s at this time-out)\n",
                kTimeoutHundredths / 100.0, kTries, kTimeoutHundredths * kTries / 100.0, kOneExchangeBoundMs / 1000.0);
    std::printf("first reads waited for up to %d s in the odd rounds; in the even rounds and against the silent "
                "agent each dialog is closed %d ms after it shows, while it reads; event-loop timer every %d ms; a "
                "worker silent for %d s is ended\n",
                kFirstReadsBoundMs / 1000, kEarlyCloseMs, kTickMs, kStuckMs / 1000);
    std::fflush(stdout);

    QElapsedTimer total;
    total.start();
    SoakTally tally(commands, rounds);
    WorkerRunner runner(tally, int(commands.size()), rounds, only);
    if (!runner.run(dropping.port(), {1, 0}, rounds) || !runner.run(silent.port(), {rounds + 1, 0}, rounds + 1)) {
        std::fprintf(stderr, "bench_soak: a worker ended before its first dialog; giving up\n");
        tally.print();
        return 1;
    }
    std::printf("run time %.1f s\n", double(total.elapsed()) / 1000.0);
    tally.print();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();
    return args.contains("--worker") ? runWorker(args) : runSoak(args);
}
