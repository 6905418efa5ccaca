#include "snmp/QxMessageCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CatalogueTest : public ::testing::Test
{
protected:
    QxMessageCatalogue catalogue;
    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
};

TEST_F(CatalogueTest, BuiltInTablesHaveTheirSizes)
{
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::Common), 19);
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::Snmp), 18);
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::SnmpV3), 17);
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::SnmpUsm), 14);
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::SnmpClass), 23);
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::QxSnmp), 29);
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::SnmpMsg), 2);
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Common, 9),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is less than [MAXCOUNT]!");
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::SnmpClass, 19), "(SNMP Class) Transport is not supported!");
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Common, 19), QString());
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Common, -1), QString());
}

TEST_F(CatalogueTest, StatusMappingCoversEveryRangeAndItsEdges)
{
    struct Case { int status; int code; const char *text; };
    const Case cases[] = {
        {0, 0, "Ok"},
        {1400, 0, "Ok"},
        {-1401, 0, "Ok"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {7, -107, "(SNMP) Cannot create/modify variable, Wrong Type!"},
        {5000, -528, "(QxSNMP++) Unknown error code!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "(QxSNMP++) Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "(QxSNMP++) Unknown error code!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "(QxSNMP++) Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1419, -528, "(QxSNMP++) Unknown error code!"},
    };
    for (const Case &c : cases) {
        const auto mapped = catalogue.mapLibraryStatus(c.status);
        EXPECT_EQ(mapped.code, c.code) << c.status;
        EXPECT_EQ(mapped.text, QString::fromUtf8(c.text)) << c.status;
    }
}

TEST_F(CatalogueTest, LoadingCountsOnlyNonBlankLinesAndKeepsSpaces)
{
    const QString path = write("snmp.msg", "\n  first  \r\n\n   \t\nsecond\n");
    ASSERT_TRUE(catalogue.loadCatalogue(QxMessageCatalogue::SnmpMsg, path));
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::SnmpMsg, 0), "  first  ");
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::SnmpMsg, 1), "second");
}

TEST_F(CatalogueTest, MissingBlankAndShortFilesKeepBuiltInTexts)
{
    EXPECT_FALSE(catalogue.loadCatalogue(QxMessageCatalogue::Snmp, dir.filePath("absent.err")));
    EXPECT_FALSE(catalogue.loadCatalogue(QxMessageCatalogue::Snmp, write("blank.err", "\n \n\t\n")));
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Snmp, 0), "(SNMP) Response PDU Too Big!");

    ASSERT_TRUE(catalogue.loadCatalogue(QxMessageCatalogue::Snmp, write("short.err", "Zu gross\nFehlt\n")));
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Snmp, 0), "Zu gross");
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Snmp, 1), "Fehlt");
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::Snmp, 2), "(SNMP) Cannot modify variable: Bad Value!");
    EXPECT_EQ(catalogue.mapLibraryStatus(2).text, "Fehlt");
}

TEST_F(CatalogueTest, LongFilesAreCutToTheTableAndLongLinesSplit)
{
    QByteArray content;
    for (int i = 0; i < 40; ++i)
        content += "line " + QByteArray::number(i) + "\n";
    ASSERT_TRUE(catalogue.loadCatalogue(QxMessageCatalogue::SnmpMsg, write("long.msg", content)));
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::SnmpMsg), 2);
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::SnmpMsg, 1), "line 1");

    // A line of 1500 characters is read as two lines: 1023 characters, then the rest.
    const QByteArray longLine(1500, 'x');
    ASSERT_TRUE(catalogue.loadCatalogue(QxMessageCatalogue::SnmpMsg, write("split.msg", longLine + "\n")));
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::SnmpMsg, 0).size(), 1023);
    EXPECT_EQ(catalogue.text(QxMessageCatalogue::SnmpMsg, 1).size(), 1500 - 1023);
}

TEST_F(CatalogueTest, BinaryJunkNeverBreaksLoading)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 37) % 256);
    catalogue.loadCatalogue(QxMessageCatalogue::Common, write("junk.err", junk));
    EXPECT_EQ(catalogue.size(QxMessageCatalogue::Common), 19);
}

TEST_F(CatalogueTest, LoadAllReadsTheErrmsgFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("errmsg"));
    write("errmsg/qxsnmp.err", "Bestens\n");
    catalogue.loadAll(dir.path() + "/");
    EXPECT_EQ(catalogue.frameworkText(0), "Bestens");
    EXPECT_EQ(catalogue.frameworkText(-509), "(QxSNMP++) Invalid IP Address or DNS name!");
    EXPECT_EQ(catalogue.frameworkText(-12345), "(QxSNMP++) Unknown error code!");
}

TEST_F(CatalogueTest, StatusTemplateWithoutListNameDropsTheRequestPart)
{
    const QTime time(14, 5, 9);
    EXPECT_EQ(catalogue.expandStatus(0, "Ok", QString(), time), "Get: Ok. Receive at 02:05:09 PM.");
    EXPECT_EQ(catalogue.expandStatus(1, "(SNMPClass) SNMP request timed out!", QString(), QTime(0, 0, 1)),
              "Set: (SNMPClass) SNMP request timed out!. Receive at 12:00:01 AM.");
}

TEST_F(CatalogueTest, StatusTemplateWithListNameFollowsRequestDirectly)
{
    EXPECT_EQ(catalogue.expandStatus(0, "Ok", " Trust Host", QTime(9, 30, 0)),
              "Get: Ok Request: Trust Host. Receive at 09:30:00 AM.");
    EXPECT_EQ(catalogue.expandStatus(0, "Ok", "x", QTime(12, 0, 0)), "Get: Ok Request:x. Receive at 12:00:00 PM.");
}

TEST_F(CatalogueTest, StatusTemplateWithListBeforeErrorKeepsBothPlaceholdersFilled)
{
    ASSERT_TRUE(catalogue.loadCatalogue(QxMessageCatalogue::SnmpMsg,
                                        write("t.msg", "[VARLIST] read: [ERROR] [TIME]\n[ERROR][ERROR]\n")));
    // The list placeholder stands before the error: nothing is cut, the empty name replaces nothing.
    EXPECT_EQ(catalogue.expandStatus(0, "Ok", QString(), QTime(13, 0, 0)), "[VARLIST] read: Ok 01:00:00 PM");
    EXPECT_EQ(catalogue.expandStatus(1, "E", "n", QTime(13, 0, 0)), "EE");
}

} // namespace
