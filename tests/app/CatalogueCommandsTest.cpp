// Every generic command of the catalogue against the simulator: its dialog
// opens with the caption the catalogue gives, the first read completes, and the
// message panel reports it without an error.
#include "common/TestAgents.h"

#include "app/GenericCommand.h"
#include "app/SharedMainWindow.h"
#include "common/PlacedRecords.h"
#include "common/TestSupport.h"
#include "app/core/RegistryStore.h"
#include "app/TMainForm.h"
#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxSNMPSession.h"
#include "tables/CommandCatalogue.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct GenericCase
{
    QString path;
    const CommandRecord *record;
};

std::vector<GenericCase> genericCommands()
{
    std::vector<GenericCase> cases;
    for (const PlacedRecords::Placed &p : PlacedRecords::place(CommandCatalogue::groups()))
        if (p.record->shape == CommandShape::Editor || p.record->shape == CommandShape::Table)
            cases.push_back({p.path.join(" > "), p.record});
    return cases;
}

using CatalogueFixture = SharedMainWindow;

class CatalogueCommandsTest : public CatalogueFixture, public ::testing::WithParamInterface<int>
{
};

TEST_P(CatalogueCommandsTest, OpensReadsAndReportsOk)
{
    static const std::vector<GenericCase> cases = genericCommands();
    ASSERT_LT(size_t(GetParam()), cases.size());
    const GenericCase &c = cases[size_t(GetParam())];
    SCOPED_TRACE(c.path.toStdString());

    GenericCommand command(*c.record, *mainForm);
    std::unique_ptr<TConfigForm> form = command.build();
    EXPECT_EQ(form->windowTitle(), GenericCommand::caption(*c.record, "127.0.0.1"));
    EXPECT_TRUE(form->windowTitle().endsWith("127.0.0.1"));
    form->show();

    QPlainTextEdit *memo = form->panel()->msgPanel()->memo();
    TestSupport::waitUntil(
        [&] { return !memo->toPlainText().isEmpty() && !(form->controller() && form->controller()->busy()); }, 20000);
    const QString status = memo->toPlainText();
    EXPECT_TRUE(status.startsWith("Get: Ok")) << status.toStdString();
    form->close();
}

INSTANTIATE_TEST_SUITE_P(EveryGenericCommand, CatalogueCommandsTest,
                         ::testing::Range(0, int(genericCommands().size())));

TEST(CatalogueSizesTest, MatchTheMenuCounts)
{
    int counts[8] = {};
    int hiddenCommands = 0;
    for (const CommandGroup *group : CommandCatalogue::groups()) {
        for (const CommandRecord *r = group->records; r->caption; ++r) {
            ++counts[int(r->shape)];
            if (r->hidden && r->shape != CommandShape::Menu && r->shape != CommandShape::Separator
                && r->shape != CommandShape::Nothing)
                ++hiddenCommands;
        }
    }
    EXPECT_EQ(counts[int(CommandShape::Editor)], 61);
    EXPECT_EQ(counts[int(CommandShape::Table)], 116);
    EXPECT_EQ(counts[int(CommandShape::Dedicated)], 63);
    EXPECT_EQ(counts[int(CommandShape::Viewer)], 22);
    EXPECT_EQ(counts[int(CommandShape::Action)], 3);
}

TEST_F(CatalogueFixture, IfXTableReadsWithSnmpV2cAndLeavesTheSessionOnSnmpV1)
{
    ASSERT_EQ(defaultSecurity.version, QxSNMPSecurity::V1);
    const CommandRecord *ifx = nullptr;
    for (const GenericCase &c : genericCommands()) {
        if (c.path == "Basic Configuration > IF-MIB > IfX Table")
            ifx = c.record;
    }
    ASSERT_NE(ifx, nullptr);
    std::unique_ptr<TConfigForm> form = GenericCommand(*ifx, *mainForm).build();
    // Only the dialog's own request is raised.
    EXPECT_EQ(form->controller()->request().security.version, QxSNMPSecurity::V2c);
    EXPECT_EQ(defaultSecurity.version, QxSNMPSecurity::V1);
}

} // namespace
