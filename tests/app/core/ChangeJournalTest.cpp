// The change journal's file: what an entry holds, secrets kept out, damaged
// lines skipped, rotation, and several processes appending at once.
#include "app/core/ChangeJournal.h"
#include "common/TestSupport.h"
#include "snmp/QxSNMPWrite.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


namespace {

QxSNMPWrite aWrite()
{
    QxSNMPWrite w;
    w.command = "Trust Host Table";
    w.agentAddress = "10.0.0.1";
    w.agentPort = 161;
    w.bindings.append({.position = 1, .instance = "1.3.6.1.4.1.32473.12.1.3.1.2.5", .caption = "IP Address",
                       .before = QString("0.0.0.0"), .sent = "10.1.1.5"});
    w.bindings.append({.position = 4, .instance = "1.3.6.1.4.1.32473.12.3.2.4.1.3.2", .caption = "RADIUS Server Key",
                       .before = QString("0ldS3cret"), .sent = "n3wS3cret", .secret = true});
    w.code = 0;
    w.text = "Ok";
    return w;
}

class ChangeJournalTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ChangeJournal journal{"10.0.0.1", 161, dir.path()};
};

TEST_F(ChangeJournalTest, AnEntryKeepsEveryChangeButNoSecret)
{
    const ChangeJournal::Entry written = ChangeJournal::entryOf(aWrite(), "nx2400p", "ops");
    ASSERT_TRUE(journal.append(written));
    EXPECT_TRUE(journal.fileName().endsWith("/10.0.0.1.jsonl"));
    QFile file(journal.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_FALSE(text.contains("S3cret")) << text.constData();
    EXPECT_EQ(text.count('\n'), 1);

    const ChangeJournal::Reading reading = journal.read();
    ASSERT_EQ(reading.entries.size(), 1);
    const ChangeJournal::Entry &e = reading.entries.first();
    EXPECT_EQ(e.id, written.id);
    EXPECT_EQ(e.command, "Trust Host Table");
    EXPECT_EQ(e.program, "nx2400p");
    EXPECT_EQ(e.user, "ops");
    EXPECT_TRUE(e.wentThrough());
    ASSERT_EQ(e.changes.size(), 2);
    EXPECT_EQ(e.changes[0].before, QString("0.0.0.0"));
    EXPECT_EQ(e.changes[0].sent, "10.1.1.5");
    EXPECT_EQ(e.changes[1].before, QString("(hidden)"));
    EXPECT_EQ(e.changes[1].sent, "(hidden)");
    // The time carries its offset.
    EXPECT_TRUE(text.contains("\"time\":\"20")) << text.constData();
}

TEST_F(ChangeJournalTest, DamagedLinesAreSkippedWithAWarningAndTheFileRotatesAtAMebibyte)
{
    ASSERT_TRUE(journal.append(ChangeJournal::entryOf(aWrite(), "nx2400p", "ops")));
    {
        QFile file(journal.fileName());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("{\"id\":\"x\"\n[1,2]\n\xff\xfe garbage\n");
    }
    ASSERT_TRUE(journal.append(ChangeJournal::entryOf(aWrite(), "nx2400p-cli", "ops")));
    ChangeJournal::Reading reading = journal.read();
    EXPECT_EQ(reading.entries.size(), 2);
    EXPECT_EQ(reading.warnings.size(), 3);

    // Past the size, the journal moves aside (one older file) and starts again.
    QxSNMPWrite big = aWrite();
    big.bindings[0].sent = QString(100 * 1024, QLatin1Char('a'));
    for (int i = 0; i < 25; ++i)
        ASSERT_TRUE(journal.append(ChangeJournal::entryOf(big, "nx2400p", "ops")));
    EXPECT_TRUE(QFile::exists(journal.olderFileName()));
    EXPECT_LT(QFile(journal.fileName()).size(), ChangeJournal::RotateBytes);
    EXPECT_LT(QFile(journal.olderFileName()).size(), ChangeJournal::RotateBytes + 200 * 1024);
    // Two moves: the first files' entries are gone, the newest all there.
    reading = journal.read();
    EXPECT_GE(reading.entries.size(), 11);
    EXPECT_LT(reading.entries.size(), 27);
    EXPECT_EQ(reading.entries.last().changes[0].sent.size(), 100 * 1024);
}

TEST_F(ChangeJournalTest, ProcessesAppendingAtOnceLoseNoLine)
{
    constexpr int Processes = 4;
    constexpr int Entries = 25;
    ASSERT_TRUE(TestSupport::inProcesses(Processes, [this](int p) {
        bool appended = true;
        for (int n = 0; n < Entries; ++n)
            appended &= journal.append(ChangeJournal::entryOf(aWrite(), QString::number(p), "ops"));
        return appended;
    }));
    const ChangeJournal::Reading reading = journal.read();
    EXPECT_EQ(reading.entries.size(), Processes * Entries);
    EXPECT_TRUE(reading.warnings.isEmpty()) << reading.warnings.join('\n').toStdString();
}

TEST(ChangeJournalFile, IsNamedAfterTheSwitchAndNeverLeavesItsFolder)
{
    EXPECT_TRUE(ChangeJournal("10.0.0.1", 16161, "/j").fileName() == "/j/10.0.0.1_16161.jsonl");
    EXPECT_TRUE(ChangeJournal("../../etc/x", 161, "/j").fileName().startsWith("/j/"));
    EXPECT_EQ(ChangeJournal("../../etc/x", 161, "/j").fileName().indexOf('/', 3), -1);
}

} // namespace
