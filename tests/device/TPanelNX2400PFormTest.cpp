// The NX-2400P front panel: LED decoding through the view's own maps and
// positions, PoE mode, port selection, the rendered artwork, and the live LEDs
// against a simulator of the test's own.
#include "common/OnPrivateSimulator.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"
#include "common/SimulatorProcess.h"

#include "binding/QxLedShape.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "device/TPanelModeButton.h"
#include "device/TPanelNX2400PArtwork.h"
#include "device/TPanelNX2400PForm.h"
#include "device/TPanelPortButton.h"
#include "device/TPortDetailsReader.h"
#include "device/TPortStateReader.h"
#include "common/CliResult.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "tables/TPanelLedColorMaps.h"

#include <QComboBox>
#include <QMenu>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using TestSupport::waitUntil;

using Maps = TPanelLedColorMaps;

QColor qc(int c)
{
    return QxLedShape::toQColor(c);
}

// A status string: the four system bytes, then (state, colour) for ports 1-28.
QByteArray statusString(const QByteArray &system, const QList<QPair<int, int>> &ports)
{
    QByteArray s = system;
    for (const auto &[state, colour] : ports) {
        s.append(char(state));
        s.append(char(colour));
    }
    return s;
}

// The panel against the shared simulator. Its own polls are stopped and the
// value is set by hand; no events run while a case looks at the LEDs.
class PanelDecoding : public ::testing::Test
{
protected:
    QTemporaryDir counterDir;
    QLabel status;
    std::unique_ptr<TPanelNX2400PForm> panel;

    void SetUp() override
    {
        initializeSession(counterDir.path());
        defaultDevice.address = TestAgents::host;
        defaultDevice.port = quint16(simulatorPort() > 0 ? simulatorPort() : 9);
        defaultSecurity.version = QxSNMPSecurity::V2c;
        panel = std::make_unique<TPanelNX2400PForm>(nullptr, &status);
        panel->ledRequest()->pollTimer().stop();
        panel->ledRequest()->blinkTimer().stop();
        panel->timer1()->stop();
    }

    void receive(const QByteArray &octets)
    {
        panel->ledRequest()->varList().item(0).valueText = QString::fromLatin1(octets);
        panel->ledRequest()->rowRead();
    }

    // The colour an LED settles on once its blinking is over.
    QColor settled(QFrame *cell)
    {
        for (int i = 0; i < 8; ++i)
            panel->ledRequest()->blinkTick();
        return TPanelNX2400PForm::ledOf(cell)->color();
    }

    const QxSNMPRequest2Leds::Led &portLed(int port) { return panel->ledRequest()->led(3 + port); }
};

TEST_F(PanelDecoding, ComponentsSitWhereThePanelHasThem)
{
    EXPECT_EQ(panel->size(), QSize(762, 100));
    EXPECT_EQ(panel->speedButton(1)->geometry(), QRect(337, 27, 25, 23));
    EXPECT_EQ(panel->speedButton(12)->geometry().topLeft(), QPoint(462, 52));
    EXPECT_EQ(panel->speedButton(18)->geometry().topLeft(), QPoint(550, 52));
    EXPECT_EQ(panel->speedButton(25)->geometry(), QRect(660, 30, 21, 15));
    EXPECT_EQ(panel->speedButton(30)->geometry(), QRect(716, 53, 22, 23));
    EXPECT_EQ(panel->speedButton(25)->identifier(), "25.101");
    EXPECT_EQ(panel->speedButton(27)->identifier(), "25.100");
    EXPECT_EQ(panel->speedButton(30)->identifier(), "28.100");
    EXPECT_EQ(panel->speedButton(7)->identifier(), "7.100");
    EXPECT_EQ(panel->portLedPanel(6)->geometry(), QRect(124, 45, 7, 7));
    EXPECT_EQ(panel->portLedPanel(28)->geometry(), QRect(211, 79, 7, 7));
    EXPECT_EQ(panel->poeCoverPanel(6)->geometry(), panel->portLedPanel(6)->geometry());
    EXPECT_EQ(panel->consoleLedPanel()->geometry(), QRect(24, 78, 7, 7));
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->powerLedPanel())->geometry(), QRect(1, 1, 6, 6));
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(1))->geometry(), QRect(1, 1, 5, 5));
    EXPECT_EQ(panel->image2()->geometry(), QRect(78, 62, 23, 23));
    EXPECT_TRUE(panel->poeModeBox()->isHidden());
    EXPECT_TRUE(panel->memo()->isHidden());
    EXPECT_EQ(panel->ledRequest()->ledCount(), 32);
    EXPECT_EQ(panel->ledRequest()->varList().listName(), " Led Status");
    EXPECT_EQ(panel->ledRequest()->request().timeout, 300);
    EXPECT_EQ(panel->ledRequest()->pollTimer().interval(), 3000);
    EXPECT_EQ(panel->poeModeBox()->count(), 2);
    // The maps are built once and shared.
    EXPECT_EQ(panel->ledRequest()->led(0).map, &Maps::system());
    EXPECT_EQ(portLed(25).map, &Maps::comboPort());
}

TEST_F(PanelDecoding, PortPairsDecodeStateAndColour)
{
    QList<QPair<int, int>> ports(28, {0x01, 0x00});
    ports[0] = {0x01, 0x03};
    ports[1] = {0x80, 0x02};
    ports[2] = {0x00, 0x05};
    receive(statusString(QByteArray::fromHex("02020200"), ports));
    EXPECT_EQ(portLed(1).color, Maps::Black);
    EXPECT_FALSE(portLed(1).blinking);
    EXPECT_EQ(portLed(2).color, Maps::Green);
    EXPECT_TRUE(portLed(2).blinking);
    EXPECT_EQ(portLed(3).color, Maps::Red);
    EXPECT_FALSE(portLed(3).blinking);
    EXPECT_EQ(settled(panel->portLedPanel(2)), qc(Maps::Green));
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(3))->color(), qc(Maps::Red));
}

TEST_F(PanelDecoding, SystemBytesAndAHeaderOnlyString)
{
    receive(QByteArray::fromHex("84060205"));
    const auto &act = panel->ledRequest()->led(2);
    EXPECT_EQ(act.color, Maps::Blue);
    EXPECT_TRUE(act.blinking);
    EXPECT_EQ(panel->ledRequest()->led(3).color, Maps::Black); // PoE: 0x06 is not listed
    EXPECT_EQ(panel->ledRequest()->led(0).color, Maps::Green); // power, byte 2
    EXPECT_EQ(panel->ledRequest()->led(1).color, Maps::Red);   // console, byte 3
    for (int port = 1; port <= 28; ++port) {
        EXPECT_EQ(portLed(port).color, Maps::Black) << port;
        EXPECT_FALSE(portLed(port).blinking) << port;
    }
    EXPECT_EQ(settled(panel->actLedPanel()), qc(Maps::Blue));
}

TEST_F(PanelDecoding, ColourZeroIsOrangeOnCopperAndBlackOnUplinks)
{
    receive(statusString(QByteArray::fromHex("00000000"), QList<QPair<int, int>>(28, {0x00, 0x00})));
    for (int port = 1; port <= 24; ++port)
        EXPECT_EQ(portLed(port).color, Maps::Orange) << port;
    for (int port = 25; port <= 28; ++port)
        EXPECT_EQ(portLed(port).color, Maps::Black) << port;
}

TEST_F(PanelDecoding, APairCutOffAfterItsStateIsBlackAndSteady)
{
    // Port 28's state is the last byte: there is no colour byte to read.
    QByteArray s = statusString(QByteArray::fromHex("02020200"), QList<QPair<int, int>>(27, {0x80, 0x03}));
    s.append(char(0x80));
    receive(s);
    EXPECT_EQ(portLed(27).color, Maps::Green);
    EXPECT_EQ(portLed(28).color, Maps::Black);
    EXPECT_FALSE(portLed(28).blinking);
}

TEST_F(PanelDecoding, PoeModeHidesTheLedsOfPorts1To24Only)
{
    panel->poeModeBox()->setCurrentIndex(panel->poeModeBox()->findText("poe"));
    panel->applyPoeVisibility();
    for (int port = 1; port <= 24; ++port) {
        EXPECT_TRUE(panel->portLedPanel(port)->isHidden()) << port;
        EXPECT_FALSE(panel->poeCoverPanel(port)->isHidden()) << port;
    }
    for (int port = 25; port <= 28; ++port)
        EXPECT_FALSE(panel->portLedPanel(port)->isHidden()) << port;
    for (QFrame *cell : {panel->powerLedPanel(), panel->consoleLedPanel(), panel->actLedPanel(), panel->poeLedPanel()})
        EXPECT_FALSE(cell->isHidden());

    panel->poeModeBox()->setCurrentIndex(panel->poeModeBox()->findText("normal"));
    panel->applyPoeVisibility();
    for (int port = 1; port <= 24; ++port) {
        EXPECT_FALSE(panel->portLedPanel(port)->isHidden()) << port;
        EXPECT_TRUE(panel->poeCoverPanel(port)->isHidden()) << port;
    }
}

TEST_F(PanelDecoding, OnePortAtMostIsPressed)
{
    EXPECT_EQ(panel->pressedButton(), nullptr);
    panel->speedButton(5)->click();
    panel->speedButton(6)->click();
    EXPECT_EQ(panel->pressedButton(), panel->speedButton(6));
    for (int n = 1; n <= 30; ++n)
        EXPECT_EQ(panel->speedButton(n)->isChecked(), n == 6) << n;
    // Clicking the pressed button again keeps it pressed.
    panel->speedButton(6)->click();
    EXPECT_TRUE(panel->speedButton(6)->isChecked());
    // A click on the picture releases it.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(300, 90), QPointF(300, 90), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(panel->image1(), &press);
    EXPECT_EQ(panel->pressedButton(), nullptr);
    for (int n = 1; n <= 30; ++n)
        EXPECT_FALSE(panel->speedButton(n)->isChecked()) << n;
}

TEST_F(PanelDecoding, StopDarkensAndStartRepaintsWithTheFirstPoll)
{
    receive(statusString(QByteArray::fromHex("02020202"), QList<QPair<int, int>>(28, {0x00, 0x03})));
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(9))->color(), qc(Maps::Green));
    panel->ledRequest()->stop();
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(9))->color(), qc(Maps::Black));
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->powerLedPanel())->color(), qc(Maps::Black));
    EXPECT_FALSE(panel->ledRequest()->pollTimer().isActive());
    // The poll that start sends repaints (its reply is taken here by hand).
    panel->ledRequest()->start(TPanelNX2400PForm::LedPollPeriod);
    EXPECT_TRUE(panel->ledRequest()->pollTimer().isActive());
    EXPECT_TRUE(panel->ledRequest()->blinkTimer().isActive());
    panel->ledRequest()->pollTimer().stop();
    receive(statusString(QByteArray::fromHex("02020202"), QList<QPair<int, int>>(28, {0x00, 0x03})));
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(9))->color(), qc(Maps::Green));
}

// Renders the panel with lit LEDs for review: 100 % and 200 % (high-DPI).
TEST_F(PanelDecoding, RendersTheFrontPanel)
{
    QList<QPair<int, int>> ports(28, {0x01, 0x00});
    for (int port : {1, 2, 3, 5, 8, 13, 14, 19})
        ports[port - 1] = {0x80, 0x02};
    ports[6] = {0x00, 0x01};  // port 7: 10 Mb/s
    ports[10] = {0x00, 0x05}; // port 11: fault
    ports[24] = {0x80, 0x03}; // port 25: 1 Gb/s
    ports[27] = {0x00, 0x02}; // port 28: 100 Mb/s
    receive(statusString(QByteArray::fromHex("82020200"), ports));
    for (int i = 0; i < 8; ++i)
        panel->ledRequest()->blinkTick();
    panel->speedButton(3)->click();

    const QString dir = QStringLiteral(NX_BIN_DIR "/../artifacts");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QPixmap normal = panel->grab();
    EXPECT_EQ(normal.size(), QSize(762, 100));
    EXPECT_TRUE(normal.save(dir + "/front-panel.png"));
    QPixmap sharp(panel->size() * 2);
    sharp.setDevicePixelRatio(2);
    sharp.fill(Qt::black);
    panel->render(&sharp);
    EXPECT_TRUE(sharp.save(dir + "/front-panel@2x.png"));
    // A lit port LED shows its colour in the picture.
    const QImage image = normal.toImage();
    const QPoint led = panel->portLedPanel(11)->geometry().center();
    EXPECT_GT(QColor(image.pixel(led)).red(), 150);
    EXPECT_LT(QColor(image.pixel(led)).green(), 100);
}

// The live panel against a simulator of its own (ports go down, the agent falls silent).
class PanelOnSimulator : public OnPrivateSimulator
{
protected:
    QLabel status;
    std::unique_ptr<TPanelNX2400PForm> panel;
    QList<QxSNMPError> polls;

    void SetUp() override
    {
        OnPrivateSimulator::SetUp();
        if (IsSkipped())
            return;
        panel = std::make_unique<TPanelNX2400PForm>(nullptr, &status);
        // Polls are driven by the test, one at a time.
        panel->ledRequest()->pollTimer().stop();
        QObject::connect(panel->ledRequest(), &QxSNMPRequest2Controls::readDone,
                         [this](QxSNMPRequest2Controls *, const QxSNMPError &e) { polls << e; });
        // The poll that creation sent.
        ASSERT_TRUE(waitUntil([&] { return !polls.isEmpty(); }, 15000));
    }

    // One poll, and its outcome.
    QxSNMPError poll()
    {
        const qsizetype before = polls.size();
        panel->ledRequest()->pollTick();
        waitUntil([&] { return polls.size() > before; }, 20000);
        return polls.size() > before ? polls.last() : QxSNMPError{-1, 0, "no reply", {}, 0, true};
    }

    void write(const char *oid, const QString &value)
    {
        const QxSNMPVarItem items[] = {{oid, "value", QxSyntax::integer, QxAccess::readwrite}, {}};
        QxSNMPRequest r;
        r.varList() = QxSNMPVarList(items, SVT_SV, 0);
        r.varList().item(0).valueText = value;
        r.writeRow();
    }

    void writeInstance(const char *oid, const QString &instance, const QString &value)
    {
        const QxSNMPVarItem items[] = {{oid, "value", QxSyntax::integer, QxAccess::readwrite}, {}};
        QxSNMPRequest r;
        r.varList() = QxSNMPVarList(items, MVT_SV, 0);
        r.varList().setInstanceSuffix(instance);
        r.varList().item(0).valueText = value;
        r.writeRow();
    }

    int portColour(int port) { return panel->ledRequest()->led(3 + port).color; }
};

TEST_F(PanelOnSimulator, APortSetDownGoesDarkWithTheNextPoll)
{
    ASSERT_EQ(polls.first().code, 0) << polls.first().message.toStdString();
    EXPECT_EQ(portColour(5), Maps::Green); // port 5 has a cable
    EXPECT_TRUE(status.text().startsWith("Get: Ok Request: Led Status. Receive at ")) << status.text().toStdString();
    writeInstance("1.3.6.1.2.1.2.2.1.7", "5", "2"); // ifAdminStatus down
    ASSERT_EQ(poll().code, 0);
    EXPECT_EQ(portColour(5), Maps::Black);
    EXPECT_FALSE(panel->ledRequest()->led(3 + 5).blinking);
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(5))->color(), qc(Maps::Black));
    EXPECT_EQ(portColour(1), Maps::Green);
}

TEST_F(PanelOnSimulator, ASilentAgentDarkensEveryLedUntilItAnswersAgain)
{
    ASSERT_EQ(polls.first().code, 0);
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->powerLedPanel())->color(), qc(Maps::Green));
    QxSNMPRequest &request = panel->ledRequest()->request();
    request.timeout = 50;
    request.retries = 0;
    write("1.3.6.1.3.2400.1.3", "10"); // silent for 10 s
    const QxSNMPError silent = poll();
    ASSERT_NE(silent.code, 0);
    EXPECT_EQ(silent.message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(status.text().left(5), "Get: ");
    EXPECT_TRUE(status.text().contains("(SNMPClass) SNMP request timed out!")) << status.text().toStdString();
    for (int i = 0; i < panel->ledRequest()->ledCount(); ++i) {
        const auto &led = panel->ledRequest()->led(i);
        EXPECT_FALSE(led.blinking) << i;
        EXPECT_EQ(led.shape->color(), qc(Maps::Black)) << i;
    }
    // Greyed under a banner, not a dead black switch.
    auto *banner = panel->findChild<QLabel *>("ST_NotAnswering");
    ASSERT_NE(banner, nullptr);
    EXPECT_FALSE(banner->isHidden());
    EXPECT_EQ(banner->geometry(), panel->rect());
    EXPECT_TRUE(banner->text().startsWith("The switch is not answering since ")) << banner->text().toStdString();
    EXPECT_EQ(panel->connectionText(), "not answering since " + banner->text().right(8));
    // The panel's own timer polls on; once the agent answers the LEDs are back.
    panel->ledRequest()->pollTimer().start();
    ASSERT_TRUE(waitUntil([&] { return polls.last().code == 0; }, 30000));
    EXPECT_GT(polls.size(), 3); // the failed polls in between did not stop the timer
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->powerLedPanel())->color(), qc(Maps::Green));
    EXPECT_EQ(portColour(1), Maps::Green);
    EXPECT_TRUE(status.text().startsWith("Get: Ok")) << status.text().toStdString();
    EXPECT_TRUE(banner->isHidden());
    EXPECT_EQ(panel->connectionText(), "answering");
}

// A port the administrator disabled looks unlike an unplugged one, on its
// socket and in its tooltip; speed and duplex are told only for a port with link.
TEST_F(PanelOnSimulator, ADisabledPortIsNoUnpluggedOne)
{
    writeInstance("1.3.6.1.2.1.2.2.1.7", "3", "2");
    panel->portStates()->poll();
    ASSERT_TRUE(waitUntil([&] { return panel->portStateText(3) == "disabled"; }, 15000)) << panel->portStateText(3).toStdString();
    EXPECT_EQ(panel->portStateText(4), "down");
    EXPECT_TRUE(panel->portStateText(1).startsWith("up 100M full")) << panel->portStateText(1).toStdString();
    EXPECT_TRUE(panel->portStateText(25).startsWith("up 1G")) << panel->portStateText(25).toStdString();
    EXPECT_EQ(panel->speedButton(3)->state().link, QxPortState::Link::Disabled);
    EXPECT_EQ(panel->speedButton(4)->state().link, QxPortState::Link::Down);

    panel->portDetails()->look(3);
    panel->portDetails()->look(4);
    ASSERT_TRUE(waitUntil([&] { return !panel->portToolTip(3).contains("Reading") && !panel->portToolTip(4).contains("Reading"); }, 15000));
    EXPECT_TRUE(panel->portToolTip(3).contains("Administrative state: disabled")) << panel->portToolTip(3).toStdString();
    EXPECT_TRUE(panel->portToolTip(4).contains("Administrative state: enabled"));
    EXPECT_TRUE(panel->portToolTip(4).contains("Link: down<br>")) << panel->portToolTip(4).toStdString();
    EXPECT_FALSE(panel->portToolTip(4).contains("duplex"));

    // The panel at 100 % and as it opens, for review.
    const QString artifacts = QStringLiteral(NX_BIN_DIR "/../artifacts/panel");
    QDir().mkpath(artifacts);
    panel->resize(762, 100);
    panel->grab().save(artifacts + "/panel-100.png");
    panel->resize(1220, 160);
    panel->grab().save(artifacts + "/panel-160.png");
    EXPECT_DOUBLE_EQ(panel->scale(), 1.6);
    EXPECT_EQ(panel->speedButton(1)->geometry().size(), QSize(40, 37));
    EXPECT_NEAR(panel->speedButton(1)->x(), 337 * 1.6, 1);
}

TEST_F(PanelOnSimulator, DisableFromThePortMenuIsOneJournaledWrite)
{
    QList<QxSNMPWrite> writes;
    const int listener = globalSession()->addWriteListener([&](const QxSNMPWrite &w) { writes << w; });
    QStringList asked;
    TDialogMessages messages;
    bool answer = false;
    messages.confirm = [&](QWidget *, const QString &, const QString &text) {
        asked << text;
        return answer;
    };
    panel->setMessages(messages);
    const auto trigger = [&](int port, const QString &item) {
        const std::unique_ptr<QMenu> menu(panel->portMenu(port));
        for (QAction *a : menu->actions())
            if (a->text() == item)
                return a->trigger(), true;
        return false;
    };
    ASSERT_TRUE(trigger(5, "Disable"));
    EXPECT_EQ(asked, QStringList{"Disable port 5?"});
    EXPECT_TRUE(writes.isEmpty()) << "No sends nothing";
    answer = true;
    ASSERT_TRUE(trigger(5, "Disable"));
    ASSERT_TRUE(waitUntil([&] { return !writes.isEmpty(); }, 15000));
    globalSession()->removeWriteListener(listener);
    EXPECT_TRUE(writes.first().wentThrough()) << writes.first().message().toStdString();
    EXPECT_EQ(writes.first().command, "Front Panel > Port 5: Disable");
    ASSERT_EQ(writes.first().bindings.size(), 1);
    EXPECT_EQ(writes.first().bindings.first().instance, "1.3.6.1.2.1.2.2.1.7.5");
    EXPECT_EQ(getValue(sim.target(), "1.3.6.1.2.1.2.2.1.7.5"), "2");
    ASSERT_TRUE(waitUntil([&] { return panel->portStateText(5) == "disabled"; }, 15000));
    const std::unique_ptr<QMenu> menu(panel->portMenu(5));
    EXPECT_EQ(menu->actions().first()->text(), "Enable");
    QStringList items;
    for (QAction *a : menu->actions())
        items << a->text();
    EXPECT_EQ(items, QStringList({"Enable", "PoE on", "PoE off", "", "VLANs…", "Traffic…", "Port settings…"}));
}

TEST_F(PanelOnSimulator, TheModeButtonTogglesTheSwitchesLedMode)
{
    QList<QxSNMPError> modeReads;
    QObject::connect(panel->poeModeRequest(), &QxSNMPRequest2Controls::readDone,
                     [&](QxSNMPRequest2Controls *, const QxSNMPError &e) { modeReads << e; });
    ASSERT_TRUE(waitUntil([&] { return !panel->poeModeRequest()->busy(); }, 10000));
    EXPECT_EQ(panel->poeModeBox()->currentText(), "normal");
    panel->Image2Click();
    EXPECT_FALSE(panel->timer1()->isActive());
    ASSERT_TRUE(waitUntil([&] { return !panel->toggling(); }, 15000));
    EXPECT_TRUE(panel->timer1()->isActive());
    EXPECT_EQ(panel->poeModeBox()->currentText(), "poe");
    EXPECT_TRUE(panel->portLedPanel(1)->isHidden());
    // The switch holds the new mode: a later read keeps it.
    ASSERT_TRUE(waitUntil([&] { return !panel->poeModeRequest()->busy(); }, 10000));
    modeReads.clear();
    panel->Timer1Timer();
    ASSERT_TRUE(waitUntil([&] { return !modeReads.isEmpty(); }, 10000));
    EXPECT_EQ(panel->poeModeBox()->currentText(), "poe");
    EXPECT_FALSE(panel->poeCoverPanel(24)->isHidden());

    // A toggle whose read fails leaves the timer running all the same.
    QxSNMPRequest &request = panel->poeModeRequest()->request();
    request.timeout = 30;
    request.retries = 0;
    ASSERT_TRUE(waitUntil([&] { return !panel->poeModeRequest()->busy(); }, 10000));
    write("1.3.6.1.3.2400.1.3", "2");
    panel->Image2Click();
    ASSERT_TRUE(waitUntil([&] { return !panel->toggling(); }, 15000));
    EXPECT_TRUE(panel->timer1()->isActive());
    EXPECT_TRUE(panel->memo()->toPlainText().contains("timed out")) << panel->memo()->toPlainText().toStdString();
    EXPECT_EQ(panel->poeModeBox()->currentText(), "poe");
}

TEST_F(PanelOnSimulator, ClosingStopsEverything)
{
    panel->ledRequest()->pollTimer().start();
    panel->close();
    EXPECT_EQ(panel->ledRequest(), nullptr);
    EXPECT_EQ(panel->poeModeRequest(), nullptr);
    EXPECT_FALSE(panel->timer1()->isActive());
    EXPECT_EQ(TPanelNX2400PForm::ledOf(panel->portLedPanel(1))->color(), qc(Maps::Black));
}

} // namespace
