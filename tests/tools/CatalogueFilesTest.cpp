#include "snmp/QxMessageCatalogue.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The files written at build time into bin/errmsg/, which the install copies.
const QString kFolder = QStringLiteral(NX_BIN_DIR "/errmsg/");

QList<QByteArray> linesOf(QxMessageCatalogue::Table table)
{
    QFile file(kFolder + QxMessageCatalogue::fileName(table));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

TEST(CatalogueFiles, LoadBackToEveryBuiltInText)
{
    const QxMessageCatalogue builtIn;
    for (int t = 0; t < QxMessageCatalogue::TableCount; ++t) {
        const auto table = QxMessageCatalogue::Table(t);
        SCOPED_TRACE(QxMessageCatalogue::fileName(table).toStdString());
        // One line per entry: a missing line would leave a built-in text in place unseen.
        EXPECT_EQ(linesOf(table).size(), builtIn.size(table));
        QxMessageCatalogue loaded;
        ASSERT_TRUE(loaded.loadCatalogue(table, kFolder + QxMessageCatalogue::fileName(table)));
        for (int i = 0; i < builtIn.size(table); ++i)
            EXPECT_EQ(loaded.text(table, i), builtIn.text(table, i)) << "entry " << i;
    }
}

TEST(CatalogueFiles, WriteALineBreakAsBackslashN)
{
    EXPECT_EQ(linesOf(QxMessageCatalogue::Common).value(9),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\\n"
              "Here,the count of the number is less than [MAXCOUNT]!");
}

} // namespace
