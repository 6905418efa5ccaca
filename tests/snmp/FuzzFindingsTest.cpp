// Inputs the fuzz targets (fuzz/) found to misbehave, kept so they stay fixed.
// Under the sanitizer build (scripts/test --sanitize) each one also proves the
// undefined behaviour is gone.
#include "snmp/QxNumList.h"

#include <gtest/gtest.h>

TEST(FuzzFindings, OverlongNumbersInAListWrapInsteadOfOverflowing)
{
    // 99999999999 does not fit 32 bits: the element wraps, the others are intact.
    const QxNumList<int> ints(QStringLiteral("1.99999999999.3"), QLatin1Char('.'));
    ASSERT_EQ(ints.count(), 3);
    EXPECT_EQ(ints[0], 1);
    EXPECT_EQ(ints[1], 1215752191);
    EXPECT_EQ(ints[2], 3);

    const QxNumList<qint64> longs(QStringLiteral("19999999999999999999,7"), QLatin1Char(','));
    ASSERT_EQ(longs.count(), 2);
    EXPECT_EQ(longs[0], qint64(1553255926290448383)); // modulo 2^64
    EXPECT_EQ(longs[1], 7);

    const QxNumList<quint32> unsignedList(QStringLiteral("4294967296:5"), QLatin1Char(':'));
    EXPECT_EQ(unsignedList[0], 0u);
    EXPECT_EQ(unsignedList[1], 5u);
}
