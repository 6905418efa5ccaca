#include "app/RegistryStore.h"
#include "app/TMainForm.h"
#include "snmp/QxSNMPSession.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

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

class TMainFormTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    RegistryStore registry{QStringLiteral("/nonexistent/registry.ini")};
};

TEST_F(TMainFormTest, OpensCaptionedWithTheAddressAndSnmpV3Disabled)
{
    TMainForm form({"/I10.90.90.90", "/Rcomm", "/Wcomm2"}, registry, nullptr, dir.path());
    EXPECT_FALSE(form.startupEnded());
    EXPECT_EQ(form.windowTitle(), "10.90.90.90");
    ASSERT_NE(form.topMenu("SNMP V3"), nullptr);
    EXPECT_FALSE(form.topMenu("SNMP V3")->isEnabled());
    EXPECT_EQ(form.topMenu("SNMP V3")->objectName(), "VACM1");
    EXPECT_FALSE(form.topMenu("Layer 3 Management")->menuAction()->isVisible());
    EXPECT_TRUE(form.topMenu("Basic Configuration")->menuAction()->isVisible());
    QStringList captions;
    for (QAction *a : form.menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3",
                                     "Security Management", "Layer 2 Management", "Layer 3 Management",
                                     "Single IP", "Help"}));
    EXPECT_EQ(form.launchTexts().readCommunity, "comm");
}

TEST_F(TMainFormTest, SnmpV3MenuIsEnabledForVersion3Only)
{
    TMainForm v3({"/I10.1.1.1", "/v3"}, registry, nullptr, dir.path());
    EXPECT_TRUE(v3.topMenu("SNMP V3")->isEnabled());
    TMainForm v2({"/I10.1.1.1", "/v1"}, registry, nullptr, dir.path());
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
    TMainForm form({"/I10.90.90.90"}, registry, nullptr, dir.path());
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
    TMainForm form({"/I10.90.90.90"}, registry, nullptr, dir.path());
    form.setStatusText("(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(form.statusText(), "(SNMPClass) SNMP request timed out!");
}

} // namespace
