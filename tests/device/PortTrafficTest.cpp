// What a port tells beyond its LED: rates from counter samples (wraps, resets
// and missed samples), the chart's units and export, the tooltip and the
// traffic window against a simulator of the test's own. The tooltip and a
// chart are written to build/artifacts/ for review.
#include "common/OnPrivateSimulator.h"
#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"

#include "device/QxCounterRates.h"
#include "device/QxPortDetails.h"
#include "device/QxRateChart.h"
#include "device/QxRateHistory.h"
#include "device/TPanelNX2400PForm.h"
#include "device/TPortDetailsReader.h"
#include "device/TPortTrafficForm.h"
#include "snmp/QxSNMPSession.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPalette>
#include <QTemporaryDir>
#include <QToolTip>
#include <gtest/gtest.h>
#include <cmath>

namespace {

using TestSupport::waitUntil;

QString artifacts()
{
    const QString dir = QStringLiteral(NX_BIN_DIR "/../artifacts");
    QDir().mkpath(dir);
    return dir;
}

QxCounterSample sample(qint64 atMs, std::optional<quint32> upTime, QList<std::optional<QxCounterReading>> counters)
{
    QxCounterSample s;
    s.atMs = atMs;
    s.upTime = upTime;
    s.counters = std::move(counters);
    return s;
}

constexpr quint64 Top32 = 0xFFFFFFFFull;

TEST(CounterRates, RatesFromKnownDeltasWrapsResetsAndMissedSamples)
{
    // Octets to bits, at most a gigabit; frames as they are.
    QxCounterRates rates({{8.0, 1e9}, {1.0, std::nullopt}});
    EXPECT_FALSE(rates.take(sample(0, 1000, {QxCounterReading{1000, false}, QxCounterReading{5, false}})));
    // The agent's clock decides (200 hundredths), not the local one.
    auto r = rates.take(sample(2500, 1200, {QxCounterReading{26000, false}, QxCounterReading{9, false}}));
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(*r->at(0), 25000.0 * 8 / 2);
    EXPECT_DOUBLE_EQ(*r->at(1), 2.0);

    // A 32-bit counter past 2^32 - 1 wrapped: corrected. One that went back a
    // little was cleared: a gap, not a spike.
    r = rates.take(sample(4500, 1400, {QxCounterReading{Top32 - 999, false}, QxCounterReading{3, false}}));
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->at(1)) << "a cleared counter is a gap";
    r = rates.take(sample(6500, 1600, {QxCounterReading{1000, false}, QxCounterReading{3, false}}));
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(*r->at(0), 2000.0 * 8 / 2);

    // A missed sample is a gap; the next good one is measured from the last good one.
    QxCounterSample missed;
    missed.missed = true;
    r = rates.take(missed);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->at(0));
    r = rates.take(sample(10500, 2000, {QxCounterReading{5000, false}, QxCounterReading{7, false}}));
    ASSERT_TRUE(r);
    EXPECT_DOUBLE_EQ(*r->at(0), 4000.0 * 8 / 4);

    // The agent restarted (sysUpTime went back): every series has a gap.
    r = rates.take(sample(12500, 100, {QxCounterReading{9000, false}, QxCounterReading{8, false}}));
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->at(0));
    EXPECT_FALSE(r->at(1));

    // A 64-bit counter never wraps; going back is a reset. Over the ceiling too.
    EXPECT_FALSE(QxCounterRates::increase({100, true}, {50, true}));
    EXPECT_FALSE(QxCounterRates::increase({100, true}, {150, false}));
    r = rates.take(sample(14500, 300, {QxCounterReading{9000 + 400000000ull, false}, QxCounterReading{8, false}}));
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->at(0)) << "1.6 Gbit/s on a gigabit port is a reset";
}

TEST(RateChart, UnitsScaleWithTheValueAndTheExportKeepsGaps)
{
    using U = QxRateChart::Unit;
    EXPECT_EQ(QxRateChart::formatRate(0, U::BitsPerSecond), "0 bit/s");
    EXPECT_EQ(QxRateChart::formatRate(999, U::BitsPerSecond), "999 bit/s");
    EXPECT_EQ(QxRateChart::formatRate(417040, U::BitsPerSecond), "417 kbit/s");
    EXPECT_EQ(QxRateChart::formatRate(1250000, U::BitsPerSecond), "1.25 Mbit/s");
    EXPECT_EQ(QxRateChart::formatRate(1e9, U::BitsPerSecond), "1 Gbit/s");
    EXPECT_EQ(QxRateChart::formatRate(3.5, U::PerSecond), "3.5/s");
    EXPECT_EQ(QxRateChart::formatRate(12400, U::PerSecond), "12.4 k/s");
    EXPECT_EQ(QxRateChart::scaleTop(495016, U::BitsPerSecond), 500000);
    EXPECT_EQ(QxRateChart::scaleTop(0, U::BitsPerSecond), 1000);
    EXPECT_EQ(QxRateChart::scaleTop(2.1, U::PerSecond), 2.5);

    QxRateHistory history({"In", "Out"}, {"bit/s", "bit/s"});
    const QDateTime t0(QDate(2026, 12, 10), QTime(10, 0));
    history.add(0, t0, {1000.0, 2000.0});
    history.add(2, t0.addSecs(2), {std::nullopt, 2500.0});
    EXPECT_EQ(history.toCsv(), "Time,Seconds,In (bit/s),Out (bit/s)\n"
                               "2026-12-10T10:00:00,0.00,1000.00,2000.00\n"
                               "2026-12-10T10:00:02,2.00,,2500.00\n");
    EXPECT_EQ(*history.latest(0), 1000.0);
    // The legend's current value: a gap at the newest point is no rate now.
    EXPECT_FALSE(history.current(0).has_value());
    EXPECT_EQ(*history.current(1), 2500.0);
    history.add(700, t0.addSecs(700), {1.0, 1.0});
    EXPECT_EQ(history.points().size(), 1u) << "ten minutes are kept";

    // Ten minutes of a steady input and a bursty output, with a missed sample.
    QxRateHistory drawn({"In", "Out"}, {"bit/s", "bit/s"});
    for (int t = 0; t <= 600; t += 2) {
        const bool burst = t % 90 < 12;
        drawn.add(t, t0.addSecs(t),
                  {t == 300 ? std::nullopt : std::optional<double>(4.2e5 + 6e4 * std::sin(t / 60.0)),
                   t == 300 ? std::nullopt : std::optional<double>(burst ? 3.1e6 : 2.2e5)});
    }
    QxRateChart chart(drawn, {0, 1}, U::BitsPerSecond, "Traffic");
    chart.resize(760, 240);
    EXPECT_TRUE(chart.grab().save(artifacts() + "/rate-chart.png"));
}

using PortViewOnSimulator = OnPrivateSimulator;

// Hovering a linked port shows what it is, its VLANs, PoE, its neighbour and
// its rates once two samples are in; an agent that does not answer shows the
// time-out's text.
TEST_F(PortViewOnSimulator, ThePortTooltipTellsWhatThePortIsAndDoes)
{
    QLabel status;
    TPanelNX2400PForm panel(nullptr, &status);
    TPortDetailsReader &reader = *panel.portDetails();
    EXPECT_TRUE(panel.portToolTip(1).contains("Reading"));
    reader.look(1);
    ASSERT_TRUE(waitUntil([&] { return reader.details(1).inBps.has_value(); }, 10000));
    const QxPortDetails details = reader.details(1);
    EXPECT_EQ(details.link, "up");
    EXPECT_EQ(details.speed, "100 Mbit/s");
    EXPECT_EQ(details.pvid, "1");
    EXPECT_EQ(details.untaggedVlans, QList<int>{1});
    EXPECT_EQ(details.neighbour, "core-sw1, port Gi0/1");
    EXPECT_GT(*details.inBps, 0);
    const QString tip = panel.portToolTip(1);
    EXPECT_TRUE(tip.contains("<b>Port 1</b>")) << tip.toStdString();
    // A hover over the port's socket shows it.
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), panel.speedButton(1)->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(panel.speedButton(1), &hover);
    EXPECT_TRUE(QToolTip::text().contains("Port 1")) << QToolTip::text().toStdString();

    QLabel shown(tip);
    shown.setPalette(QToolTip::palette());
    shown.setAutoFillBackground(true);
    shown.setMargin(6);
    shown.adjustSize();
    EXPECT_TRUE(shown.grab().save(artifacts() + "/port-tooltip.png"));

    const SimulatorProcess silent({"--drop", "100"}, false);
    defaultDevice.port = silent.port();
    defaultTimeout = 20;
    TPanelNX2400PForm quiet(nullptr, &status);
    quiet.portDetails()->look(2);
    ASSERT_TRUE(waitUntil([&] { return !quiet.portDetails()->details(2).error.isEmpty(); }, 5000));
    EXPECT_TRUE(quiet.portToolTip(2).contains("(SNMPClass) SNMP request timed out!"));
}

// The traffic window samples a linked port (rates above zero) and a port
// without link (zero), pauses, and exports what it shows.
TEST_F(PortViewOnSimulator, TheTrafficWindowSamplesPausesAndExports)
{
    TPortTrafficForm linked(nullptr, 1);
    TPortTrafficForm unlinked(nullptr, 4);
    linked.resize(780, 680);
    ASSERT_TRUE(waitUntil([&] { return linked.history().points().size() >= 2 && unlinked.history().points().size() >= 1; }, 10000));
    EXPECT_GT(*linked.history().points().back().rates[TPortTrafficForm::In], 0);
    EXPECT_EQ(*unlinked.history().points().back().rates[TPortTrafficForm::Out], 0);
    EXPECT_TRUE(linked.grab().save(artifacts() + "/traffic-chart.png"));

    linked.setPaused(true);
    const size_t before = linked.history().points().size();
    waitUntil([] { return false; }, 2500);
    EXPECT_EQ(linked.history().points().size(), before) << "no sample while paused";
    linked.setPaused(false);
    EXPECT_FALSE(linked.history().points().back().rates[TPortTrafficForm::In]) << "the line breaks at the pause";

    const QString file = counterDir.filePath("traffic.csv");
    ASSERT_TRUE(linked.exportCsv(file));
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    EXPECT_TRUE(lines.first().startsWith("Time,Seconds,In (bit/s),Out (bit/s),In errors (1/s)"));
    EXPECT_EQ(lines.size(), qsizetype(linked.history().points().size()) + 2);

    // Windows opened by a double-click and from the menu, closed with the
    // main window while their samples wait for an agent that does not answer,
    // the main window gone right after: each goes once, no crash.
    const SimulatorProcess silent({"--drop", "100"}, false);
    defaultDevice.port = silent.port();
    defaultTimeout = 20;
    auto owner = std::make_unique<QWidget>();
    QLabel status;
    TPanelNX2400PForm panel(owner.get(), &status);
    const QPointF inside(5, 5);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, inside, panel.speedButton(2)->mapToGlobal(inside),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel.speedButton(2), &doubleClick);
    QPointer<TPortTrafficForm> second = panel.trafficWindow(2);
    ASSERT_TRUE(second);
    EXPECT_EQ(panel.openTraffic(2), second) << "a port has one window";
    QPointer<TPortTrafficForm> third = panel.openTraffic(3);
    panel.closeTrafficWindows();
    EXPECT_FALSE(second->isVisible());
    owner.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull() && third.isNull());
}

} // namespace
