// The spanning-tree dialogs against a simulator of their own, owned by a
// window that plays the main window's part (its version text).
#include "dialogs/dedicated/DedicatedDialogTest.h"

#include "dialogs/dedicated/TMainWindowLink.h"
#include "dialogs/switching/TSTP_Info.h"
#include "dialogs/switching/TSpanningTreeAlgorithmForm.h"

#include <QLabel>
#include <QWidget>

namespace {

class MainWindowStandIn : public QWidget, public TMainWindowLink
{
public:
    QString version = QStringLiteral("rstp");
    QString stpVersionText() const override { return version; }
    void setStpVersionText(const QString &v) override { version = v; }
};

class SpanningTreeDialogs : public DedicatedDialogTest
{
protected:
    // Modal windows (the progress dialogs) are noted, not shown.
    template <typename Dialog>
    std::unique_ptr<Dialog> openOwned()
    {
        auto dialog = open<Dialog>(&mainWindow);
        dialog->setModalRunner([this](QDialog &d) {
            progress << d.windowTitle();
            return 1;
        });
        return dialog;
    }

    static QString stp(int n) { return vendor("12.15.1") + QStringLiteral(".%1.0").arg(n); }
    static void write(int n, int v) { snmpset({stp(n), "i", QString::number(v)}); }

    MainWindowStandIn mainWindow;
    QStringList progress;
};

TEST_F(SpanningTreeDialogs, StpControlChecksItsNumbersAndWritesEightScalarsForMstp)
{
    write(1, 3); // the spanning tree runs
    write(2, 1); // rstp
    auto form = openOwned<TSTP_Info>();
    const auto set = [&] {
        click(*form, "btnSet");
        return form->statusPanelText();
    };
    type(*form, "ET_ForwardDelay", "1000");
    type(*form, "ET_AgingTime", "2000");
    EXPECT_EQ(set(), "Data Error !");
    type(*form, "ET_AgingTime", "1800");
    type(*form, "ET_LBDRecover", "30");
    EXPECT_EQ(set(), "LBD recover time should be equal to 0 or between 60-1000000!");
    type(*form, "ET_LBDRecover", "0");
    type(*form, "ET_HelloTime", "");
    EXPECT_EQ(set(), "Don't Leave Empty Fileds !");
    type(*form, "ET_HelloTime", "200");
    type(*form, "ET_AgingTime", "500");
    type(*form, "ET_ForwardDelay", "400");
    EXPECT_EQ(set(), "Data Error !"); // rstp: 500 < 2 * 200 + 200
    EXPECT_TRUE(progress.isEmpty());

    // MSTP takes no Hello Time: the edit is off and the SET carries eight.
    QComboBox *version = find<QComboBox>(*form, "Combo_STPVersion");
    version->setCurrentIndex(version->findText("mstp"));
    emit version->activated(version->currentIndex());
    EXPECT_FALSE(find<QLineEdit>(*form, "ET_HelloTime")->isEnabled());
    EXPECT_TRUE(find<QLineEdit>(*form, "ET_HelloTime")->text().isEmpty());
    type(*form, "ET_AgingTime", "1800");
    type(*form, "ET_ForwardDelay", "1000");
    set();
    ASSERT_TRUE(idle(form->mstpBinding()));
    const QStringList sent = s_sim->lastSet();
    EXPECT_EQ(sent.size(), 8) << sent.join(' ').toStdString();
    EXPECT_FALSE(sent.join(' ').contains(stp(4) + "="));
    EXPECT_TRUE(sent.contains(stp(2) + "=2|2"));
    // The version changed while the spanning tree runs: the progress shows,
    // and the main window says what the switch now has.
    EXPECT_EQ(progress, QStringList{"Set STP Progress"});
    EXPECT_EQ(mainWindow.version, "mstp");
}

TEST_F(SpanningTreeDialogs, AVersionTheSwitchRefusedDoesNotReachTheMainWindow)
{
    write(2, 1);
    auto form = openOwned<TSTP_Info>();
    ASSERT_TRUE(writesRefusedBelow(vendor("12.15.1")));
    choose(*form, "Combo_STPVersion", "stp");
    click(*form, "btnSet");
    faultsCleared();
    EXPECT_TRUE(form->statusPanelText().startsWith("Set:")) << form->statusPanelText().toStdString();
    EXPECT_EQ(mainWindow.version, "rstp");
    EXPECT_EQ(value(stp(2)), "1");
}

TEST_F(SpanningTreeDialogs, EnablingAsksFirstAndEveryWriteReadsTheStateAgain)
{
    write(1, 2);
    auto form = openOwned<TSpanningTreeAlgorithmForm>();
    ASSERT_TRUE(idle(form->stateBinding()) && idle(form->readStateBinding()));
    const auto setTo = [&](const char *state) {
        choose(*form, "ComboBox1", state);
        click(*form, "btnSet");
        return idle(form->stateBinding()) && idle(form->readStateBinding());
    };
    // Cancel writes nothing.
    const int before = s_sim->setCount();
    boxes.answer = false;
    ASSERT_TRUE(setTo("enabled"));
    EXPECT_EQ(boxes.texts(), QStringList{"To enable STP may take a long time. Do you want to go on?"});
    EXPECT_EQ(s_sim->setCount(), before);

    boxes.answer = true;
    ASSERT_TRUE(setTo("enabled"));
    EXPECT_EQ(progress, QStringList{"Enable STP Progress"});
    EXPECT_EQ(value(stp(1)), "3");
    EXPECT_EQ(find<QLabel>(*form, "ST_StpState")->text(), "enabled");
    ASSERT_TRUE(setTo("disabled"));
    EXPECT_EQ(value(stp(1)), "2");
    // Enabled again in the same opening: the state compared is the one read
    // after the last write, so this write goes out too.
    ASSERT_TRUE(setTo("enabled"));
    EXPECT_EQ(value(stp(1)), "3");
    EXPECT_EQ(s_sim->setCount(), before + 3);

    // Disabled elsewhere: Refresh shows it and renews what Set compares with.
    write(1, 2);
    click(*form, "btnRefresh");
    ASSERT_TRUE(idle(form->stateBinding()) && idle(form->readStateBinding()));
    ASSERT_TRUE(setTo("enabled"));
    EXPECT_EQ(value(stp(1)), "3");
}

} // namespace
