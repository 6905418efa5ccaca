// The main window's first activation embeds the live front panel.
#include "common/TestAgents.h"
#include "common/TestSupport.h"
#include "app/ModuleFolder.h"
#include "app/core/RegistryStore.h"
#include "app/TCommandSearchBox.h"
#include "app/TMainForm.h"
#include "binding/QxSNMPRequest2Leds.h"
#include "device/TPanelNX2400PForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <functional>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

using TestSupport::waitUntil;

class MainFormFrontPanel : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    RegistryStore registry{dir.filePath("registry.ini")};

    void SetUp() override
    {
        ASSERT_GT(simulatorPort(), 0);
        ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), simulatorPort(), 1));
    }
};

TEST_F(MainFormFrontPanel, FirstActivationEmbedsThePanelAndFitsTheWindowAroundIt)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry, nullptr, dir.path());
    EXPECT_EQ(form.frontPanel(), nullptr);
    form.show();
    TPanelNX2400PForm *panel = form.frontPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(form.scrollBox()->widget(), panel);
    EXPECT_EQ(panel->pos(), QPoint(0, 0));
    EXPECT_EQ(panel->unit(), 0);
    EXPECT_TRUE(panel->isVisible());
    // The panel fills the window, and grows with it.
    ASSERT_TRUE(waitUntil([&] { return panel->size() == form.scrollBox()->viewport()->size(); }, 2000));
    EXPECT_GE(panel->width(), 762);
    EXPECT_EQ(form.statusBar()->geometry().top(), form.scrollBox()->geometry().bottom() + 1);
    // The search field sits at the menu bar's right end.
    EXPECT_EQ(form.menuBar()->cornerWidget(Qt::TopRightCorner), form.searchBox());
    const qreal scale = panel->scale();
    form.resize(form.width() + 400, form.height() + 60);
    ASSERT_TRUE(waitUntil([&] { return panel->scale() > scale + 0.2; }, 2000)) << panel->scale();
    EXPECT_EQ(form.rmonStateText(), "enabled");

    // The LED polls report in the status bar's panel and light the LEDs.
    ASSERT_TRUE(waitUntil([&] { return form.statusText().contains("Led Status"); }, 15000));
    EXPECT_TRUE(form.statusText().startsWith("Get: Ok Request: Led Status. Receive at ")) << form.statusText().toStdString();
    EXPECT_EQ(panel->ledRequest()->led(0).color, 0x00FF00); // power
    // The whole window, for review beside the panel's own picture.
    const QString artifacts = QStringLiteral(NX_BIN_DIR "/../artifacts");
    QDir().mkpath(artifacts);
    form.grab().save(artifacts + "/main-window.png");

    // A later activation embeds nothing new.
    form.hide();
    form.show();
    EXPECT_EQ(form.frontPanel(), panel);
}

} // namespace
