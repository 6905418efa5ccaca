// Every dedicated command of the catalogue: its class is registered by its
// folder or still listed here as not written, and every registered dialog
// opens through the menu's dispatch, captioned as the catalogue says, and
// reads the simulator without an error.
#include "common/PlacedRecords.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "app/CommandDispatcher.h"
#include "app/DedicatedDialogs.h"
#include "app/GenericCommand.h"
#include "app/SharedMainWindow.h"
#include "binding/QxSNMPRequest2Controls.h"
#include "dialogs/dedicated/TDedicatedForm.h"
#include "tables/CommandCatalogue.h"

#include <QPlainTextEdit>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The dialog classes still to be written; the list shrinks to nothing as they come.
const QSet<QString> kNotWrittenYet{};

std::vector<PlacedRecords::Placed> dedicatedCommands()
{
    std::vector<PlacedRecords::Placed> found;
    for (const PlacedRecords::Placed &p : PlacedRecords::place(CommandCatalogue::groups()))
        if (p.record->shape == CommandShape::Dedicated)
            found.push_back(p);
    return found;
}

TEST(DedicatedCommands, EveryClassIsRegisteredOrListedAsNotWrittenYet)
{
    QSet<QString> listedButWritten = kNotWrittenYet;
    for (const PlacedRecords::Placed &p : dedicatedCommands()) {
        const QString name = QString::fromLatin1(p.record->target);
        const bool registered = DedicatedDialogs::find(name) != nullptr;
        EXPECT_NE(registered, kNotWrittenYet.contains(name)) << name.toStdString();
        if (!registered)
            listedButWritten.remove(name);
    }
    for (const QString &name : listedButWritten)
        EXPECT_TRUE(DedicatedDialogs::find(name)) << name.toStdString() << " is no dedicated command";
}

class DedicatedDialogOpens : public SharedMainWindow, public ::testing::WithParamInterface<int>
{
};

TEST_P(DedicatedDialogOpens, ThroughTheMenusDispatchAndReadsWithoutAnError)
{
    const PlacedRecords::Placed p = dedicatedCommands().at(size_t(GetParam()));
    if (!DedicatedDialogs::find(QString::fromLatin1(p.record->target)))
        GTEST_SKIP() << p.record->target << " is not written yet";
    std::unique_ptr<QDialog> opened = mainForm->dispatcher().openDialog(*p.record);
    auto *dialog = dynamic_cast<TDedicatedForm *>(opened.get());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), GenericCommand::caption(*p.record, "127.0.0.1"));
    dialog->show();

    ASSERT_TRUE(TestSupport::waitUntil([dialog] {
        const QList<QxSNMPRequest2Controls *> all = dialog->controllers();
        return std::none_of(all.begin(), all.end(), [](const QxSNMPRequest2Controls *c) { return c->busy(); });
    }));
    const QString status = dialog->Memo1() ? dialog->Memo1()->toPlainText() : dialog->statusPanelText();
    EXPECT_TRUE(status.contains("Get: Ok")) << p.path.join(" > ").toStdString() << ": " << status.toStdString();
    EXPECT_FALSE(status.contains("(SNMP")) << status.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryDedicatedCommand, DedicatedDialogOpens,
                         ::testing::Range(0, int(dedicatedCommands().size())));

} // namespace
