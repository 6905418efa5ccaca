// Columns kept out of one write get their access back in every case.
#include "binding/InvalidColumns.h"
#include "snmp/QxSNMPVarList.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr QxSNMPVarItem kRow[] = {
    {"", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.4.1.32473.9.1.2", "Name", QxSyntax::displaystr, QxAccess::readwrite},
    {"1.3.6.1.4.1.32473.9.1.3", "Ports", QxSyntax::bitstr, QxAccess::readwrite | QxAccess::hidden},
    {"1.3.6.1.4.1.32473.9.1.4", "Status", QxSyntax::integer, QxAccess::readwrite},
    {},
};

TEST(InvalidColumns, MarkedForTheirScopeAndRestoredEvenWhenTheWriteRaises)
{
    QxSNMPVarList list(kRow, MVT_UMV, 1);
    try {
        InvalidColumns notSent(list, {1, 2, 2, 9, -1});
        EXPECT_FALSE(list.isWritable(1));
        EXPECT_FALSE(list.isWritable(2));
        EXPECT_TRUE(list.isWritable(3));
        EXPECT_TRUE(list.isWritable(0)); // the key still forms the row index
        throw std::runtime_error("write failed");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(list.item(1).access, quint32(QxAccess::readwrite));
    // Marked twice, it still gets the access it had before the first mark.
    EXPECT_EQ(list.item(2).access, quint32(QxAccess::readwrite | QxAccess::hidden));
    EXPECT_TRUE(list.isWritable(1));

    {
        InvalidColumns once(list, {3});
        once.restore();
        list.item(3).setFlag(QxAccess::invalid, true);
    }
    // A restore that has run does not run again when the object goes.
    EXPECT_TRUE(list.item(3).has(QxAccess::invalid));
}

} // namespace
