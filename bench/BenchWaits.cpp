// Whether the main window keeps painting while the module waits on an agent
// that answers nothing. The main window is shown on the simulator and asked to
// repaint every 16 ms (a display's frame, as an animation would); three writes
// are each made while the simulator is silent: a generic editor page's "Set
// Checked", a generic table page's Delete and a dedicated dialog that writes
// synchronously (Safeguard Control). Each dialog reads first and is prepared
// (row ticked, value typed, row selected) through the dialog driver; then the
// simulator is told to be silent for one exchange's time-out x tries, just
// before the driver clicks, so that both tries of the write's exchange go
// unanswered and the read after it is answered again. Every paint the main
// window gets is recorded: per write the longest gap between two paints and the
// time from the button press until the dialog is idle again, then the total
// wait beside the expected one (time-out x tries per exchange). The request
// time-out is the module's default. Goal: longest gap <= 100 ms. The last line
// gives the longest gap.
//
//   bench_waits [--sim PATH]

#include "bench/BenchSupport.h"

#include "common/CliResult.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "app/CommandDispatcher.h"
#include "app/DialogDriver.h"
#include "app/DriverAction.h"
#include "app/DriverControls.h"
#include "app/TMainForm.h"
#include "app/cli/CliCommandFinder.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include "sim/SimControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

using namespace BenchSupport;
using TestSupport::waitUntil;

namespace {

constexpr int kFrameMs = 16;
// The main window settles after it shows (its front panel's first poll).
constexpr int kSettleMs = 2000;
// After a write, the paints that follow it are let in before the gap is taken.
constexpr int kAfterWriteMs = 100;

// One write of a dialog, as dialog-driver actions.
struct WriteCase
{
    const char *what;
    const char *command;                 // the menu path, or a final part of it
    std::span<const char *const> prepare; // after the first reads, before the silence
    const char *write;                   // the click that writes
};

const char *const kEditorPrepare[] = {"tick:CheckBox1=1", "type:Value1=2323"};
const char *const kTablePrepare[] = {"select:ListView=#5"};
const char *const kSafeguardPrepare[] = {"tick:ckRising=1", "type:edtRising=45"};

const WriteCase kWrites[] = {
    {"generic editor page, Set Checked of the ticked Telnet Port", "Agent Management > Basic Management",
     kEditorPrepare, "click:btnSetChecked"},
    {"generic table page, Delete of the last row", "View MIB Tree Family Table", kTablePrepare, "click:btnDelete"},
    {"dedicated dialog writing synchronously, Set of the ticked rising threshold", "Safeguard Control",
     kSafeguardPrepare, "click:btnSetChecked"},
};

// Records the moment of every paint event the watched widget gets, and asks
// it to repaint every frame.
class PaintRecorder final : public QObject
{
    Q_DISABLE_COPY_MOVE(PaintRecorder)

public:
    explicit PaintRecorder(QWidget &watched) : m_watched(watched)
    {
        m_watched.installEventFilter(this);
        m_frames.setTimerType(Qt::PreciseTimer);
        m_frames.setInterval(kFrameMs);
        connect(&m_frames, &QTimer::timeout, &m_watched, qOverload<>(&QWidget::update));
        m_frames.start();
    }
    ~PaintRecorder() override { m_watched.removeEventFilter(this); }

    // The longest time between two paints over the span (monotonic ns), from
    // the last paint before it to the first after it.
    qint64 longestGapMs(qint64 fromNs, qint64 toNs) const
    {
        auto first = std::upper_bound(m_paintNs.begin(), m_paintNs.end(), fromNs);
        if (first != m_paintNs.begin())
            --first;
        auto last = std::lower_bound(m_paintNs.begin(), m_paintNs.end(), toNs);
        qint64 previous = first != m_paintNs.end() && *first <= fromNs ? *first : fromNs;
        qint64 longest = 0;
        for (auto it = first; it != m_paintNs.end() && it <= last; ++it) {
            longest = std::max(longest, *it - previous);
            previous = *it;
        }
        if (last == m_paintNs.end())
            longest = std::max(longest, toNs - previous);
        return longest / 1000000;
    }

    qsizetype paintsWithin(qint64 fromNs, qint64 toNs) const
    {
        return std::lower_bound(m_paintNs.begin(), m_paintNs.end(), toNs)
               - std::lower_bound(m_paintNs.begin(), m_paintNs.end(), fromNs);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_watched && event->type() == QEvent::Paint)
            m_paintNs.push_back(monotonicNs());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_watched;
    QTimer m_frames;
    std::vector<qint64> m_paintNs;
};

// What a dialog driver prints (message boxes, status lines), read back afterwards.
class Printout final
{
public:
    std::FILE *file() const { return m_file.get(); }
    QStringList lines() const
    {
        std::fflush(file());
        std::rewind(file());
        QByteArray text;
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file())) > 0;)
            text.append(chunk, qsizetype(n));
        return QString::fromLocal8Bit(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private:
    std::unique_ptr<std::FILE, int (*)(std::FILE *)> m_file{std::tmpfile(), &std::fclose};
};

struct WriteResult
{
    qint64 tookMs = 0;
    qint64 expectedMs = 0; // one exchange unanswered: time-out x tries
    qint64 longestGapMs = 0;
    QStringList printout;
};

// One exchange of the dialog's first controller, every try unanswered.
qint64 exchangeWaitMs(const QDialog &dialog)
{
    const QList<QxSNMPRequest2Controls *> controllers = controllersOf(dialog);
    if (controllers.isEmpty())
        return 0;
    const QxSNMPRequest &request = controllers.first()->request();
    return qint64(request.timeout) * 10 * (request.retries + 1);
}

bool silence(const SimulatorProcess &sim, int seconds)
{
    const QStringList arguments{"-v2c", "-c", TestAgents::writeCommunity, sim.target(), SimControl::silentSeconds, "i",
                                QString::number(seconds)};
    return runSnmp("snmpset", arguments).exitCode == 0;
}

// Opens the dialog, lets it read, prepares the write, silences the simulator
// and writes; raises what opening raises, CliError for an unknown command.
WriteResult measure(const WriteCase &write, TMainForm &mainForm, const SimulatorProcess &sim,
                    const PaintRecorder &paints)
{
    const CliCommandFinder finder;
    std::unique_ptr<QDialog> dialog = mainForm.dispatcher().openDialog(*finder.find(write.command).record);
    QList<DriverAction> prepare;
    for (const char *action : write.prepare)
        prepare << DriverAction::parse(QString::fromLatin1(action));
    const Printout preparing;
    if (DialogDriver(*dialog, prepare, preparing.file()).run() != 0)
        throw std::runtime_error("a control to prepare the write is missing");

    WriteResult result;
    result.expectedMs = exchangeWaitMs(*dialog);
    const DriverAction click = DriverAction::parse(QString::fromLatin1(write.write));
    auto *button = qobject_cast<QAbstractButton *>(DriverControls::find(dialog.get(), click.control));
    if (!button)
        throw std::runtime_error("the button that writes is missing");
    qint64 pressedNs = 0;
    QObject::connect(button, &QAbstractButton::pressed, button, [&] { pressedNs = monotonicNs(); });

    const int silentSeconds = int(std::ceil(double(result.expectedMs) / 1000.0));
    QElapsedTimer sinceSilence;
    sinceSilence.start();
    if (!silence(sim, silentSeconds))
        throw std::runtime_error("the simulator did not take the silence period");
    const Printout writing;
    DialogDriver(*dialog, {click}, writing.file()).run();
    const qint64 doneNs = monotonicNs();
    waitUntil([] { return false; }, kAfterWriteMs);

    result.tookMs = pressedNs ? (doneNs - pressedNs) / 1000000 : 0;
    result.longestGapMs = pressedNs ? paints.longestGapMs(pressedNs, doneNs) : 0;
    result.printout = writing.lines();
    dialog->close();
    dialog.reset();
    // The next write starts on an agent that answers again.
    waitUntil([&] { return sinceSilence.elapsed() > silentSeconds * 1000 + 500; }, silentSeconds * 1000 + 1000);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = startApplication(argc, argv);
    const QStringList args = app->arguments();

    QTemporaryDir dir;
    SimulatorProcess sim({}, true, simulatorPath(args));
    if (!useSimulator(sim, dir))
        return 2;
    MainWindowOnSimulator window(dir.path(), sim.port());
    qint64 longestGapMs = 0;
    qint64 measuredMs = 0;
    qint64 expectedMs = 0;
    try {
        TMainForm &mainForm = window.open();
        mainForm.show();
        const PaintRecorder paints(mainForm);
        // The front panel's first poll and the first paints are no part of a
        // write; the second half of the settling shows what the figures look
        // like while nothing waits.
        waitUntil([] { return false; }, kSettleMs / 2);
        const qint64 idleFromNs = monotonicNs();
        waitUntil([] { return false; }, kSettleMs / 2);
        const qint64 idleToNs = monotonicNs();
        std::printf("request time-out: the module's default (%.2f s, one retry); the main window is asked to repaint "
                    "every %d ms; the simulator is silent for one exchange's time-out x tries from just before each "
                    "write's click\n",
                    defaultTimeout / 100.0, kFrameMs);
        std::printf("for comparison, nothing waiting for %lld ms: %lld paints, longest paint gap %lld ms\n",
                    (idleToNs - idleFromNs) / 1000000, static_cast<long long>(paints.paintsWithin(idleFromNs, idleToNs)),
                    paints.longestGapMs(idleFromNs, idleToNs));
        int number = 0;
        for (const WriteCase &write : kWrites) {
            const WriteResult r = measure(write, mainForm, sim, paints);
            std::printf("write %d: %s (%s)\n", ++number, write.what, write.command);
            for (const QString &line : r.printout)
                std::printf("  %s\n", qPrintable(line));
            if (!r.printout.join(QLatin1Char('\n')).contains(QLatin1String("timed out")))
                std::printf("  (no time-out reported: the silence missed the write, its figures wait on nothing)\n");
            std::printf("  took %lld ms (expected %lld ms: one exchange, time-out x tries), longest paint gap %lld ms\n",
                        r.tookMs, r.expectedMs, r.longestGapMs);
            longestGapMs = std::max(longestGapMs, r.longestGapMs);
            measuredMs += r.tookMs;
            expectedMs += r.expectedMs;
        }
    } catch (const QxSNMPException &e) {
        std::fprintf(stderr, "bench_waits: %d %s\n", e.code(), qPrintable(e.text()));
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_waits: %s\n", e.what());
        return 1;
    }
    std::printf("total wait of the %zu writes: measured %.2f s, expected %.2f s\n", std::size(kWrites),
                double(measuredMs) / 1000.0, double(expectedMs) / 1000.0);
    std::printf("goal: longest gap between two paints <= 100 ms\n");
    std::printf("longest paint gap while waiting: %lld ms\n", longestGapMs);
    return 0;
}
