#include "snmp/QxIni.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath("device.cfg");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

TEST(QxIniTest, MatchesSectionsAndKeysWithoutCaseAndTrimsValues)
{
    QTemporaryDir dir;
    const QxIni ini(writeFile(dir, "[Other]\nAgentPort=1\n[ program information ]\r\n  agentport =  1161  \r\n"
                                   "Empty=\nSpaced = a b \n"));
    EXPECT_EQ(ini.read("Program Information", "AgentPort"), "1161");
    EXPECT_EQ(ini.read("Program Information", "Spaced"), "a b");
    EXPECT_EQ(ini.read("Program Information", "Empty", "dflt"), "dflt");
    EXPECT_EQ(ini.read("Program Information", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.read("Missing Section", "AgentPort"), QString());
    EXPECT_TRUE(ini.hasKey("Program Information", "Empty"));
    EXPECT_FALSE(ini.hasKey("Program Information", "Missing"));
    EXPECT_TRUE(ini.hasSection("PROGRAM INFORMATION"));
}

TEST(QxIniTest, MissingFileGivesTheDefault)
{
    const QxIni ini("/nonexistent/dir/x.cfg");
    EXPECT_EQ(ini.read("Program Information", "Version", "0"), "0");
    EXPECT_FALSE(ini.hasSection("Program Information"));
}

TEST(QxIniTest, OverlongValuesAreCutAndJunkIsHarmless)
{
    QTemporaryDir dir;
    QByteArray content = "[S]\nLong=" + QByteArray(6000, 'v') + "\n";
    for (int i = 0; i < 2000; ++i)
        content += char((i * 91) % 256);
    content += "\n[S]\nAfter=1\n";
    const QxIni ini(writeFile(dir, content));
    EXPECT_EQ(ini.read("S", "Long").size(), QxIni::MaxValueLength);
    EXPECT_EQ(ini.read("S", "After"), "1");
}

} // namespace
