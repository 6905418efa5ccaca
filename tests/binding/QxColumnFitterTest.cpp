// Columns fit what they show, within a cap, and a width the user chose stays.
#include "binding/QxColumnFitter.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TEST(QxColumnFitter, FitsHeadersAndRowsUpToTheCapAndKeepsWhatTheUserResized)
{
    QTreeWidget view;
    view.header()->setStretchLastSection(false);
    view.setHeaderLabels({"Key", "Mask", "Ports", "Note"});
    QxColumnFitter fitter(&view);
    fitter.reset(1);
    EXPECT_EQ(view.columnWidth(0), 0);
    const int maskHeader = view.columnWidth(1);

    view.addTopLevelItem(new QTreeWidgetItem(QStringList{"1", "255.255.255.0", "FFFFFFF000000000", QString(400, 'x')}));
    fitter.fit();
    const QFontMetrics metrics(view.font());
    EXPECT_EQ(view.columnWidth(0), 0);
    EXPECT_GT(view.columnWidth(1), maskHeader);
    EXPECT_GE(view.columnWidth(1), metrics.horizontalAdvance("255.255.255.0"));
    EXPECT_GE(view.columnWidth(2), metrics.horizontalAdvance("FFFFFFF000000000"));
    EXPECT_EQ(view.columnWidth(3), QxColumnFitter::MaximumWidth);

    // The user narrows a column: later rows and fits leave it alone.
    view.header()->resizeSection(2, 30);
    view.addTopLevelItem(new QTreeWidgetItem(QStringList{"2", "255.255.255.255", "FFFFFFFFFFFFFFFF", "y"}));
    fitter.fit();
    EXPECT_TRUE(fitter.userSized(2));
    EXPECT_EQ(view.columnWidth(2), 30);
    EXPECT_GE(view.columnWidth(1), metrics.horizontalAdvance("255.255.255.255"));

    // Columns laid out anew are the program's again.
    fitter.reset(1);
    EXPECT_FALSE(fitter.userSized(2));
}

} // namespace
