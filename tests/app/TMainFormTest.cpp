#include "common/TestAgents.h"
#include "common/TestSupport.h"
#include "app/CommandDispatcher.h"
#include "device/TPanelNX2400PForm.h"
#include "device/TPortDetailsReader.h"
#include "app/DedicatedDialogs.h"
#include "app/MenuMnemonics.h"
#include "app/ModuleFolder.h"
#include "app/core/RegistryStore.h"
#include "app/TMainForm.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {

// Answers the next modal message box with the given button and remembers its text.
class BoxAnswerer
{
public:
    explicit BoxAnswerer(QMessageBox::StandardButton button)
    {
        QTimer::singleShot(0, [this, button] { answer(button); });
    }
    QString text;
    QString caption;

private:
    void answer(QMessageBox::StandardButton button)
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, [this, button] { answer(button); });
            return;
        }
        text = box->text();
        caption = box->windowTitle();
        box->button(button) ? box->button(button)->click() : box->accept();
    }
};

// The main window reads the switch while it opens: point it at the test
// simulator through the registry file and the device's settings file.
class TMainFormTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    RegistryStore registry{dir.filePath("registry.ini")};

    void SetUp() override
    {
        ASSERT_GT(simulatorPort(), 0);
        ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), simulatorPort(), 0));
    }

    void write(const QString &name, const QByteArray &content)
    {
        ASSERT_TRUE(ModuleFolder::writeFile(dir.filePath(name), content));
    }
};

TEST_F(TMainFormTest, OpensCaptionedWithTheAddressAndSnmpV3Disabled)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry, nullptr, dir.path());
    EXPECT_FALSE(form.startupEnded());
    EXPECT_EQ(form.windowTitle(), "127.0.0.1");
    ASSERT_NE(form.topMenu("SNMP V3"), nullptr);
    EXPECT_FALSE(form.topMenu("SNMP V3")->isEnabled());
    EXPECT_EQ(form.topMenu("SNMP V3")->objectName(), "VACM1");
    EXPECT_FALSE(form.topMenu("Layer 3 Management")->menuAction()->isVisible());
    EXPECT_TRUE(form.topMenu("Basic Configuration")->menuAction()->isVisible());
    QStringList captions;
    for (QAction *a : form.menuBar()->actions())
        captions << MenuMnemonics::plain(a->text());
    EXPECT_EQ(captions, QStringList({"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3",
                                     "Security Management", "Layer 2 Management", "Layer 3 Management",
                                     "Single IP", "Help"}));
    EXPECT_EQ(form.launchTexts().readCommunity, "vqmtze");
    // The hidden states were read from the switch while the window opened.
    EXPECT_EQ(form.rmonStateText(), "enabled");
    EXPECT_EQ(form.stpVersionText(), "rstp");
    EXPECT_TRUE(form.statusText().isEmpty());
}

TEST_F(TMainFormTest, SnmpV3MenuIsEnabledForVersion3Only)
{
    write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + QByteArray::number(simulatorPort())
                               + "\nVersion=3\nSecurityModel=3\nSecurityLevel=0\nSecurityName=nxnone\n"
                                 "AuthProtocol=0\nPrivProtocol=0\n");
    TMainForm v3({"/I127.0.0.1", "/Rx"}, registry, nullptr, dir.path());
    EXPECT_TRUE(v3.topMenu("SNMP V3")->isEnabled());
    EXPECT_EQ(v3.rmonStateText(), "enabled");
    TMainForm v2({"/I127.0.0.1", "/v1"}, registry, nullptr, dir.path());
    EXPECT_FALSE(v2.topMenu("SNMP V3")->isEnabled());
}

TEST_F(TMainFormTest, NoParameterInputEndsTheStartUp)
{
    BoxAnswerer answerer(QMessageBox::Ok);
    TMainForm form({}, registry, nullptr, dir.path());
    EXPECT_TRUE(form.startupEnded());
    EXPECT_EQ(answerer.text, "No parameter input");
}

TEST_F(TMainFormTest, ClosingAsksAndNoKeepsTheWindow)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    form.show();
    {
        BoxAnswerer answerer(QMessageBox::No);
        EXPECT_FALSE(form.close());
        EXPECT_EQ(answerer.text, "Are you sure to exit?");
        EXPECT_EQ(answerer.caption, "Exit");
        EXPECT_TRUE(form.isVisible());
    }
    BoxAnswerer answerer(QMessageBox::Yes);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TMainFormTest, ErrorsGoToTheOneStatusPanel)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    form.setStatusText("(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(form.statusText(), "(SNMPClass) SNMP request timed out!");
}

} // namespace

namespace {

TEST_F(TMainFormTest, MenusFollowTheCatalogue)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    const MenuBuilder &menus = form.menus();
    int commands = 0;
    for (QAction *action : menus.commandActions())
        commands += menus.recordOf(action)->shape != CommandShape::Nothing;
    // 266 items carry a command; one of them ("IPv6 Mask Information") does nothing.
    EXPECT_EQ(commands, 265);
    QAction *qinq = menus.actionByPath("VLAN > QinQ > QinQ Port Table");
    ASSERT_NE(qinq, nullptr);
    EXPECT_TRUE(qinq->isVisible());
    QAction *collisions = menus.actionByPath("Basic Configuration > EtherLike-MIB > Dot3 Collisions");
    ASSERT_NE(collisions, nullptr);
    EXPECT_FALSE(collisions->isVisible());
    // A dedicated command can be chosen when this build has its dialog.
    for (QAction *action : menus.commandActions())
        if (const CommandRecord *record = menus.recordOf(action); record->shape == CommandShape::Dedicated)
            EXPECT_EQ(action->isEnabled(), DedicatedDialogs::find(QString::fromLatin1(record->target)) != nullptr)
                << record->target;
}

TEST_F(TMainFormTest, RmonViewersFollowTheSwitchsRmonState)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    QAction *history = form.menus().actionByPath("RMON > History");
    ASSERT_NE(history, nullptr);
    history->setEnabled(false);
    form.show();
    // The first activation reads the state ("enabled" on the simulator).
    EXPECT_TRUE(history->isEnabled());
    EXPECT_TRUE(form.menus().actionByPath("RMON > Alarm/Event")->isEnabled());
}

TEST_F(TMainFormTest, UnreachableSwitchReportsInTheStatusBarAndOpensAnyway)
{
    // Nothing answers on this port: both start-up reads time out.
    write("127.0.0.1.cfg", "[Program Information]\nAgentPort=9\nVersion=0\nSecurityModel=1\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    EXPECT_EQ(form.statusText(), "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(form.windowTitle(), "127.0.0.1");
}

} // namespace

#include "app/RebootCommand.h"
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"
#include "common/TestSupport.h"
#include "snmp/QxSNMPRequest.h"
#include "tables/MainWindowObjects.h"

namespace {

void writeRmonState(quint16 port, const char *state)
{
    QxSNMPRequest request;
    request.device.port = port;
    request.varList() = QxSNMPVarList(MainWindowObjects::rmonState, SVT_SV, 0);
    request.varList().item(0).valueText = QString::fromLatin1(state);
    request.writeRow();
}

TEST_F(TMainFormTest, RmonViewersAreGreyedWhileTheSwitchHasRmonDisabled)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), sim.port(), 1));
    TMainForm form({"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry, nullptr, dir.path());
    writeRmonState(sim.port(), "disabled");
    form.show();
    for (const char *item : {"RMON > Statistics", "RMON > History", "RMON > Alarm/Event"})
        EXPECT_FALSE(form.menus().actionByPath(item)->isEnabled()) << item;
    EXPECT_TRUE(form.menus().actionByPath("RMON > RMON Control")->isEnabled());

    // What closing "RMON Control" does after the user enabled RMON there.
    writeRmonState(sim.port(), "enabled");
    form.updateRmonMenu();
    for (const char *item : {"RMON > Statistics", "RMON > History", "RMON > Alarm/Event"})
        EXPECT_TRUE(form.menus().actionByPath(item)->isEnabled()) << item;
}

// A write that went through marks the window until the configuration is
// saved; closing asks first.
TEST_F(TMainFormTest, AWriteMarksUnsavedChangesUntilTheConfigurationIsSaved)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), sim.port(), 1));
    TMainForm form({"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry, nullptr, dir.path());
    form.show();
    auto *unsaved = form.findChild<QLabel *>("ST_Unsaved");
    ASSERT_NE(unsaved, nullptr);
    EXPECT_FALSE(form.hasUnsavedChanges());
    EXPECT_FALSE(unsaved->isVisible());
    // The title names the switch once it has said its name.
    const QString title = QStringLiteral("NX-2400P \u2013 127.0.0.1 (NX-2400P)");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form.windowTitle() == title; })) << form.windowTitle().toStdString();
    writeRmonState(sim.port(), "enabled");
    EXPECT_TRUE(form.hasUnsavedChanges());
    EXPECT_EQ(form.windowTitle(), "* " + title);
    EXPECT_TRUE(unsaved->isVisible());
    EXPECT_EQ(unsaved->text(), "Unsaved changes");
    {
        BoxAnswerer answerer(QMessageBox::Cancel);
        EXPECT_FALSE(form.close());
        EXPECT_EQ(answerer.text, "The switch has unsaved changes. Save them before you exit?");
    }
    EXPECT_TRUE(form.isVisible());
    const QString saves = QStringLiteral("1.3.6.1.3.2400.1.6.0");
    EXPECT_EQ(getValue(sim.target(), saves), "0");

    // Ctrl+S in the menu, right after "Save Changes".
    const QList<QAction *> basic = form.topMenu("Basic Configuration")->actions();
    const auto at = std::find_if(basic.begin(), basic.end(), [](QAction *a) { return MenuMnemonics::plain(a->text()) == "Save Changes"; });
    ASSERT_NE(at, basic.end());
    ASSERT_NE(at + 1, basic.end());
    EXPECT_EQ(MenuMnemonics::plain((*(at + 1))->text()), "Save Configuration");
    EXPECT_EQ((*(at + 1))->shortcut(), QKeySequence(QKeySequence::Save));
    (*(at + 1))->trigger();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return form.statusText().startsWith("Saved at "); }))
        << form.statusText().toStdString();
    EXPECT_EQ(getValue(sim.target(), saves), "1");
    EXPECT_FALSE(form.hasUnsavedChanges());
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_FALSE(unsaved->isVisible());
}

// "Preview writes" shows a write's values first; No sends nothing.
TEST_F(TMainFormTest, APreviewAnsweredNoSendsNothing)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), sim.port(), 1));
    TMainForm form({"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry, nullptr, dir.path());
    auto *preview = form.findChild<QAction *>("actPreviewWrites");
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->isChecked());
    preview->setChecked(true);
    // The setting is kept in a file the other tests read too: off again whatever happens.
    const std::unique_ptr<QAction, void (*)(QAction *)> off(preview, [](QAction *a) { a->setChecked(false); });
    const int before = sim.setCount();
    {
        BoxAnswerer answerer(QMessageBox::No);
        EXPECT_THROW(writeRmonState(sim.port(), "disabled"), QxSNMPException);
        EXPECT_TRUE(answerer.text.contains("RMON State: ")) << answerer.text.toStdString();
        EXPECT_TRUE(answerer.text.contains("disabled")) << answerer.text.toStdString();
    }
    EXPECT_EQ(sim.setCount(), before);
    EXPECT_FALSE(form.hasUnsavedChanges());
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        writeRmonState(sim.port(), "disabled");
    }
    EXPECT_EQ(sim.setCount(), before + 1);
}

TEST_F(TMainFormTest, RebootAnsweredNoSendsNothing)
{
    initializeSession(dir.path());
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    defaultDevice.port = sim.port();
    BoxAnswerer answerer(QMessageBox::No);
    EXPECT_FALSE(RebootCommand::run(nullptr));
    EXPECT_EQ(answerer.text, "Are you sure to reboot the device?");
    EXPECT_EQ(answerer.caption, "Reboot");
    // The switch still answers at once: it was not told to restart.
    QxSNMPRequest probe;
    probe.varList() = QxSNMPVarList(MainWindowObjects::rmonState, SVT_SV, 0);
    probe.timeout = 50;
    EXPECT_NO_THROW(probe.readRow(true));
}

TEST_F(TMainFormTest, RebootAnsweredYesWritesAndSwallowsTheSilence)
{
    initializeSession(dir.path());
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    defaultDevice.port = sim.port();
    BoxAnswerer answerer(QMessageBox::Yes);
    EXPECT_TRUE(RebootCommand::run(nullptr));
    // The restarting switch is silent for a while.
    QxSNMPRequest probe;
    probe.varList() = QxSNMPVarList(MainWindowObjects::rmonState, SVT_SV, 0);
    probe.timeout = 30;
    probe.retries = 0;
    EXPECT_THROW(probe.readRow(true), QxSNMPException);
}

} // namespace

namespace {

// Command dialogs open beside the main window: several at once, the panel live
// meanwhile, a command chosen again raises its dialog, and the main window's
// close takes them all with it.
TEST_F(TMainFormTest, DialogsOpenBesideTheLivePanelAndCloseWithTheWindow)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    form.show();
    QAction *basic = form.menus().actionByPath("Basic Configuration > Agent Management > Basic Management");
    QAction *ifx = form.menus().actionByPath("Basic Configuration > IF-MIB > IfX Table");
    ASSERT_TRUE(basic && ifx);
    basic->trigger();
    ifx->trigger();
    OpenWindows &windows = form.dispatcher().windows();
    EXPECT_EQ(windows.count(), 2);
    basic->trigger();
    EXPECT_EQ(windows.count(), 2);
    ASSERT_NE(form.frontPanel(), nullptr);
    form.frontPanel()->portDetails()->look(1);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return !form.frontPanel()->portToolTip(1).contains("Reading"); }))
        << form.frontPanel()->portToolTip(1).toStdString();
    QList<QPointer<QDialog>> open;
    for (QDialog *d : form.findChildren<QDialog *>())
        if (d->isVisible())
            open << d;
    ASSERT_EQ(open.size(), 2);
    // Writes are journalled under the command of the dialog the user works in.
    for (const QPointer<QDialog> &d : open) {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(d, &activate);
        EXPECT_TRUE(d->windowTitle().startsWith(globalSession()->command()))
            << d->windowTitle().toStdString() << " / " << globalSession()->command().toStdString();
    }

    BoxAnswerer answerer(QMessageBox::Yes);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(windows.count(), 0);
    for (const QPointer<QDialog> &d : open)
        EXPECT_TRUE(!d || !d->isVisible());
}

} // namespace

namespace {

// Alt+letter reaches every item: each visible item of each menu has a mnemonic
// of its own there, captions otherwise as written; the most used commands list
// their shortcut keys.
TEST_F(TMainFormTest, EveryMenuItemHasAMnemonicOfItsOwnAndShortcutsAreListed)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    int menus = 0;
    const std::function<void(const QList<QAction *> &, const QString &)> check = [&](const QList<QAction *> &actions,
                                                                                       const QString &where) {
        ++menus;
        QSet<QChar> used;
        for (QAction *a : actions) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            const QString text = a->text();
            const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
            ASSERT_GE(at, 0) << (where + " > " + text).toStdString();
            const QChar key = text.at(at + 1).toLower();
            EXPECT_FALSE(used.contains(key)) << (where + " > " + text).toStdString();
            used.insert(key);
            if (a->menu())
                check(a->menu()->actions(), where + " > " + MenuMnemonics::plain(text));
        }
    };
    check(form.menuBar()->actions(), "");
    EXPECT_GT(menus, 40);

    EXPECT_EQ(MenuMnemonics::plain("Save && &Reboot"), "Save & Reboot");
    EXPECT_EQ(MenuMnemonics::marked("Save & Reboot", 7), "Save && &Reboot");
    EXPECT_EQ(MenuMnemonics::positions({"Port Table", "Port", "Trap"}), QList<int>({0, 1, 0}));
    // An earlier item gives up its key for one that has no other.
    EXPECT_EQ(MenuMnemonics::positions({"ab", "a"}), QList<int>({1, 0}));

    QAction *status = form.menuAction("Layer 2 Management > Port Status");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->shortcut(), QKeySequence("Ctrl+P"));
    QAction *staticTable = form.menuAction("VLAN > 802.1Q > 802.1Q VLAN  > Static Table");
    ASSERT_NE(staticTable, nullptr);
    EXPECT_EQ(staticTable, form.menus().actionByPath("VLAN > 802.1Q > 802.1Q VLAN  > Static Table"));
    EXPECT_EQ(staticTable->shortcut(), QKeySequence("Ctrl+L"));
}

} // namespace

namespace {

// A port's "Port settings…" opens the port control table beside the panel with
// that port's row selected once the table is read; asked again for another
// port, the same dialog selects that one.
TEST_F(TMainFormTest, PortSettingsSelectsThePortsRowInTheOneOpenTable)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze"}, registry, nullptr, dir.path());
    form.show();
    const auto selectedPort = [&] {
        QDialog *dialog = nullptr;
        for (QDialog *d : form.findChildren<QDialog *>())
            if (d->isVisible())
                dialog = d;
        auto *list = dialog ? dialog->findChild<QTreeWidget *>() : nullptr;
        return list && !list->selectedItems().isEmpty() ? list->selectedItems().first()->text(0) : QString();
    };
    form.openPortSettings(5);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return selectedPort() == "5"; })) << selectedPort().toStdString();
    form.openPortSettings(7);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return selectedPort() == "7"; })) << selectedPort().toStdString();
    EXPECT_EQ(form.dispatcher().windows().count(), 1);
}

} // namespace
