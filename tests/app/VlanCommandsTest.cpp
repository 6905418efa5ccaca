// The four 802.1Q VLAN commands of the menu open their dedicated dialogs,
// captioned with the command's title and the address, which read the switch.
#include "common/TestAgents.h"
#include "common/TestSupport.h"
#include "app/MenuBuilder.h"
#include "app/ModuleFolder.h"
#include "app/core/RegistryStore.h"
#include "app/TMainForm.h"
#include "dialogs/dedicated/TDedicatedForm.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Waits for the next dedicated dialog the menu opens, remembers its caption and memo once
// its first reads are in (or after a few seconds), and closes it.
class DialogCloser
{
public:
    DialogCloser() { QTimer::singleShot(0, [this] { poll(); }); }
    QString caption;
    QString memo;
    bool closed = false;

private:
    void poll()
    {
        TDedicatedForm *form = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *open = qobject_cast<TDedicatedForm *>(w); open && open->isVisible())
                form = open;
        const bool read = form && form->Memo1()->toPlainText().contains(QStringLiteral("Ok"));
        if (!read && ++m_polls < 500) {
            QTimer::singleShot(10, [this] { poll(); });
            return;
        }
        if (!form)
            return;
        caption = form->windowTitle();
        memo = form->Memo1()->toPlainText();
        form->reject();
        closed = true;
    }
    int m_polls = 0;
};

class VlanCommands : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    RegistryStore registry{dir.filePath("registry.ini")};

    void SetUp() override
    {
        if (simulatorPort() == 0)
            GTEST_SKIP() << "the shared simulator is not running";
        ASSERT_TRUE(ModuleFolder::pointAt(dir.path(), simulatorPort(), 1));
    }
};

TEST_F(VlanCommands, EachOpensItsDialogWhichReadsTheSwitch)
{
    TMainForm form({"/I127.0.0.1", "/Rvqmtze", "/Wkdrwopl"}, registry, nullptr, dir.path());
    const QList<QPair<QString, QString>> expected{
        {"TVLanGeneralInfoForm", "802.1Q Basic Configure: 127.0.0.1"},
        {"TVLanPortInfomationForm", "VLAN Port Information Form: 127.0.0.1"},
        {"TVlanStaticForm", "VLAN Static: 127.0.0.1"},
        {"TVLanCurrentTableForm", "VLAN Current: 127.0.0.1"},
    };
    for (const auto &[className, caption] : expected) {
        QAction *command = nullptr;
        for (QAction *action : form.menus().commandActions()) {
            const CommandRecord *record = form.menus().recordOf(action);
            if (record && record->target && className == QLatin1String(record->target))
                command = action;
        }
        ASSERT_NE(command, nullptr) << className.toStdString();
        EXPECT_TRUE(command->isEnabled()) << className.toStdString();
        DialogCloser closer;
        command->trigger();
        EXPECT_TRUE(TestSupport::waitUntil([&] { return closer.closed; }, 8000)) << className.toStdString();
        EXPECT_EQ(closer.caption, caption);
        EXPECT_TRUE(closer.memo.contains("Ok")) << closer.memo.toStdString();
        EXPECT_FALSE(closer.memo.contains("timed out")) << closer.memo.toStdString();
    }
}

} // namespace
