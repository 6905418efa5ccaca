#include "app/TAboutForm.h"
#include "app/ViewerCommandLine.h"

#include <QLabel>
#include <QPushButton>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

void pressF3(QWidget *target, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F3, modifiers);
    QApplication::sendEvent(target, &press);
}

LaunchTexts v1Launch()
{
    LaunchTexts t;
    t.address = "10.90.90.90";
    t.readCommunity = "public";
    t.writeCommunity = "private";
    return t;
}

TEST(ViewerCommandLineTest, SnmpV1LaunchPassesTheCommunities)
{
    const ViewerCommandLine line("/TMIB_Info", v1Launch());
    EXPECT_EQ(line.program(), "MIB");
    EXPECT_EQ(line.text(), "MIB /I10.90.90.90 /Rpublic /Wprivate /TMIB_Info ");
    EXPECT_EQ(line.arguments(), QStringList({"/I10.90.90.90", "/Rpublic", "/Wprivate", "/TMIB_Info"}));
    EXPECT_EQ(ViewerCommandLine("/TEthernetLike_dot3StatsTable", v1Launch()).program(), "EthernetLike");
}

TEST(ViewerCommandLineTest, SnmpV3LaunchPassesEveryV3ValueInOrderEvenWhenEmpty)
{
    LaunchTexts t = v1Launch();
    t.version = "3";
    t.port = "161";
    t.securityModel = "3";
    t.securityName = "admin";
    t.securityLevel = "3";
    t.authProtocol = "2";
    t.privProtocol = "2";
    t.authPassword = "a";
    t.privPassword = "p";
    EXPECT_EQ(ViewerCommandLine("/TRmon_History", t).text(),
              "Rmon /I10.90.90.90 /t161 /v3 /d /m3 /nadmin /l3 /a2 /p2 /Aa /Pp /c /TRmon_History ");
}

TEST(ViewerCommandLineTest, VersionGivenOnlyBySwitchIsNoV3Launch)
{
    LaunchTexts t = v1Launch();
    t.version = "1";
    EXPECT_EQ(ViewerCommandLine("/TBridge_Forwarding", t).text(),
              "Bridge /I10.90.90.90 /Rpublic /Wprivate /TBridge_Forwarding ");
}

TEST(TAboutFormTest, ShowsTheModelAndTheBuildOnlyForShiftAltF3)
{
    TAboutForm about(nullptr);
    about.show();
    EXPECT_EQ(about.windowTitle(), "About NX-2400P Module");
    EXPECT_TRUE(about.findChild<QLabel *>("Image2400P")->isVisible());
    EXPECT_FALSE(about.findChild<QLabel *>("Image4800P")->isVisible());
    EXPECT_EQ(about.findChild<QLabel *>("AboutLabel")->text(), "Brannoc NX-2400P Management Module");
    EXPECT_EQ(about.versionText(), "Release Version 2.0");
    EXPECT_TRUE(about.findChild<QLabel *>("LibraryLabel")->text().contains("SHA-512"));

    pressF3(about.okButton(), Qt::NoModifier);
    EXPECT_EQ(about.versionText(), "Release Version 2.0");
    pressF3(about.okButton(), Qt::ShiftModifier);
    EXPECT_EQ(about.versionText(), "Release Version 2.0");
    pressF3(about.okButton(), Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(about.versionText(), "Release Version 2.00V09(Build 2008/12/12)");
}

} // namespace
