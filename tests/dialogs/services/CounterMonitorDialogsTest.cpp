// The MAC control and pause monitors against a simulator of their own.
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/services/Tdot3ControlForm.h"
#include "dialogs/services/Tdot3PauseForm.h"
#include "device/TRateChartForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

using CounterMonitorDialogs = DedicatedDialogTest;

QString shownValue(const QWidget &form, int row)
{
    return form.findChild<QTreeWidget *>("ListView2")->topLevelItem(row)->text(1);
}

void clickPort(const QWidget &form, int port)
{
    auto *list = form.findChild<QTreeWidget *>("ListView1");
    list->clearSelection();
    if (port > 0)
        list->topLevelItem(port - 1)->setSelected(true);
}

TEST_F(CounterMonitorDialogs, APortClickMonitorsItsPauseFramesOnTheChosenInterval)
{
    auto form = open<Tdot3PauseForm>();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    EXPECT_FALSE(find<QPushButton>(*form, "btnSet")->isEnabled());
    // "Chart…" follows the monitored counters as rates per second.
    EXPECT_EQ(find<QPushButton>(*form, "btnChart")->text(), QStringLiteral("Chart…"));
    const TRateChartForm *chart = form->openChart();

    clickPort(*form, 3);
    EXPECT_EQ(form->counterBinding()->varList().baseOid(0), "1.3.6.1.2.1.10.7.10.1.3.3");
    EXPECT_EQ(find<QComboBox>(*form, "cbxInterval")->currentText(), "5s");
    EXPECT_TRUE(form->timer()->isActive());
    EXPECT_EQ(form->timer()->interval(), 5000);
    EXPECT_TRUE(find<QPushButton>(*form, "btnSet")->isEnabled());
    bool number = false;
    const quint64 first = shownValue(*form, 0).toULongLong(&number);
    EXPECT_TRUE(number) << shownValue(*form, 0).toStdString();
    EXPECT_FALSE(shownValue(*form, 1).isEmpty());

    choose(*form, "cbxInterval", "1m");
    EXPECT_EQ(form->timer()->interval(), 60000);
    // The port has traffic: its counters move from one tick to the next.
    QStringList announced;
    QObject::connect(form.get(), &TCounterMonitorForm::countersShown,
                     [&](const QString &, const QStringList &values) { announced = values; });
    choose(*form, "cbxInterval", "2s");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !announced.isEmpty(); }, 5000));
    EXPECT_GT(shownValue(*form, 0).toULongLong(), first);
    EXPECT_EQ(announced.first(), shownValue(*form, 0));
    ASSERT_FALSE(chart->history().isEmpty());
    EXPECT_GT(chart->history().latest(0).value_or(0), 0);

    // "none" stops the updates and keeps the last values.
    choose(*form, "cbxInterval", "none");
    EXPECT_FALSE(form->timer()->isActive());
    EXPECT_EQ(shownValue(*form, 0), announced.first());

    // Refresh empties the values, and a second one during its read is ignored.
    int reads = 0;
    QObject::connect(form->portBinding(), &QxSNMPRequest2Controls::readDone, [&reads] { ++reads; });
    click(*form, "btnGet");
    click(*form, "btnGet");
    EXPECT_TRUE(shownValue(*form, 0).isEmpty());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    EXPECT_EQ(reads, 1);
}

TEST_F(CounterMonitorDialogs, PauseAdminModeIsOneSetAtThePortAndTheDisplayGoesIdle)
{
    ASSERT_EQ(snmpset({"1.3.6.1.2.1.10.7.10.1.1.7", "i", "1"}), 0);
    auto form = open<Tdot3PauseForm>();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    clickPort(*form, 7);
    EXPECT_EQ(find<QComboBox>(*form, "cbxAdminMode")->currentText(), "disabled");
    choose(*form, "cbxAdminMode", "enabledXmitAndRcv");
    int reads = 0;
    QObject::connect(form->portBinding(), &QxSNMPRequest2Controls::readDone, [&reads] { ++reads; });
    click(*form, "btnSet");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return reads == 1 && form->ready(); }));
    EXPECT_EQ(s_sim->lastSet(), QStringList{"1.3.6.1.2.1.10.7.10.1.1.7=2|4"});
    EXPECT_FALSE(form->monitoring());
    EXPECT_EQ(find<QComboBox>(*form, "cbxInterval")->currentText(), "none");
    EXPECT_TRUE(shownValue(*form, 0).isEmpty());
}

TEST_F(CounterMonitorDialogs, ControlShowsPauseAloneAndAnIntervalWithoutAPortStopsAtOnce)
{
    auto form = open<Tdot3ControlForm>();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form->ready(); }));
    clickPort(*form, 1);
    EXPECT_TRUE(find<QCheckBox>(*form, "CheckBox1")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(*form, "CheckBox1")->isEnabled());
    for (const char *hidden : {"CheckBox2", "CheckBox8"})
        EXPECT_TRUE(find<QCheckBox>(*form, hidden)->isHidden()) << hidden;
    EXPECT_FALSE(shownValue(*form, 0).isEmpty());

    // The supported functions are the switch's to say.
    EXPECT_TRUE(find<QCheckBox>(*form, "CheckBox1")->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(find<QCheckBox>(*form, "CheckBox1")->focusPolicy(), Qt::NoFocus);

    // No port chosen: no counters to read, nothing is asked and the monitor stays idle.
    const auto noPortYet = [this](TCounterMonitorForm &fresh) {
        ASSERT_TRUE(TestSupport::waitUntil([&] { return fresh.ready(); }));
        choose(fresh, "cbxInterval", "2s");
        EXPECT_FALSE(fresh.monitoring());
        EXPECT_FALSE(fresh.counterBinding()->busy());
        EXPECT_TRUE(fresh.Memo1()->toPlainText().contains("Get data not completed!"));
        EXPECT_EQ(find<QComboBox>(fresh, "cbxInterval")->currentText(), "none");
    };
    noPortYet(*open<Tdot3ControlForm>());
    noPortYet(*open<Tdot3PauseForm>());
}

} // namespace
