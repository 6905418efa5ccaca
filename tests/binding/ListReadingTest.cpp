// A list read as an engineer reads it: sorted by a header click in the order
// its cells mean (numbers, addresses, port lists), filtered by typed text, port
// bitmaps shown as port ranges.
#include "binding/QxCellOrder.h"
#include "binding/QxListFilter.h"
#include "binding/QxListView.h"
#include "binding/QxSortKeyItem.h"
#include "snmp/QxPortList.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

QStringList column(const QTreeWidget &view, int c)
{
    QStringList cells;
    for (int r = 0; r < view.topLevelItemCount(); ++r)
        if (!view.topLevelItem(r)->isHidden())
            cells << view.topLevelItem(r)->text(c);
    return cells;
}

TEST(ListReading, CellsSortAsWhatTheyMean)
{
    const auto sorted = [](QStringList cells) {
        std::stable_sort(cells.begin(), cells.end(), QxCellOrder::less);
        return cells;
    };
    EXPECT_EQ(sorted({"10", "9", "-1", "0.5", "", "100"}), QStringList({"", "-1", "0.5", "9", "10", "100"}));
    EXPECT_EQ(sorted({"10.0.0.10", "9.255.255.255", "10.0.0.2"}),
              QStringList({"9.255.255.255", "10.0.0.2", "10.0.0.10"}));
    EXPECT_EQ(sorted({"00-0A-00-00-00-01", "00-09-FF-00-00-01"}), QStringList({"00-09-FF-00-00-01", "00-0A-00-00-00-01"}));
    EXPECT_EQ(sorted({"25", "3-7,25", "1-2", "10,12"}), QStringList({"1-2", "3-7,25", "10,12", "25"}));
    EXPECT_EQ(sorted({"Port10", "port9", "Port1"}), QStringList({"Port1", "port9", "Port10"}));
    EXPECT_EQ(QxPortList::rangesOfHex("FFFFFFF000000000"), "1-28");
    EXPECT_EQ(QxPortList::rangesOfHex("FE00008000000000"), "1-7,25");
    EXPECT_EQ(QxPortList::rangesOfHex("0000000000000000"), "");
}

// Rows keep the agent's order until a header is clicked, then stay sorted as
// rows come; the filter hides rows without its text and unselects them.
TEST(ListReading, AHeaderClickSortsAndTheFilterHidesRows)
{
    QxListView view;
    view.setHeaderLabels({"VID", "Name"});
    QLineEdit field;
    QxListFilter filter(&field, &view);
    for (const auto &[vid, name] : {std::pair{"10", "lab"}, {"9", "office"}, {"100", "lab2"}})
        view.addTopLevelItem(new QxSortKeyItem(QStringList{vid, name}));
    EXPECT_EQ(column(view, 0), QStringList({"10", "9", "100"}));
    view.sortAsClicked(0, Qt::AscendingOrder);
    EXPECT_EQ(column(view, 0), QStringList({"9", "10", "100"}));
    view.addTopLevelItem(new QxSortKeyItem(QStringList{"20", "voice"}));
    EXPECT_EQ(column(view, 0), QStringList({"9", "10", "20", "100"}));
    view.sortAsClicked(0, Qt::DescendingOrder);
    EXPECT_EQ(column(view, 0), QStringList({"100", "20", "10", "9"}));

    view.topLevelItem(3)->setSelected(true); // VID 9
    field.setText("LAB");
    EXPECT_EQ(column(view, 0), QStringList({"100", "10"}));
    EXPECT_TRUE(view.selectedItems().isEmpty());
    EXPECT_EQ(filter.countText(), "2 of 4");
    view.addTopLevelItem(new QxSortKeyItem(QStringList{"30", "office"}));
    EXPECT_EQ(column(view, 0), QStringList({"100", "10"}));
    field.clear();
    EXPECT_EQ(filter.countText(), "5");

    // A view whose rows stand for positions elsewhere does not sort.
    view.setUserSortable(false);
    view.sortAsClicked(1, Qt::AscendingOrder);
    EXPECT_FALSE(view.isSortingEnabled());
}

} // namespace
