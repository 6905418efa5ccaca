// nx2400p-cli run as a program: against the shared simulator and snmpd for
// reads, a private simulator for writes, and a port where nothing answers for
// what must not reach an agent.
#include "EnterpriseBase.h"
#include "common/CliResult.h"
#include "common/TestAgents.h"
#include "common/SimulatorProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(program()))
            GTEST_SKIP() << "nx2400p-cli is not built";
    }

    static QString program() { return QStringLiteral(NX_BIN_DIR "/nx2400p-cli"); }

    QProcessEnvironment environment() const { return moduleProgramEnvironment(dir.path()); }

    Outcome cli(const QStringList &arguments)
    {
        const CliResult r = runModuleProgram(program(), arguments, dir.path());
        EXPECT_GE(r.exitCode, 0) << r.err.toStdString() << ": " << arguments.join(' ').toStdString();
        return {r.exitCode, r.out, r.err};
    }

    Outcome at(int port, QStringList arguments)
    {
        arguments.prepend(QString::number(port));
        arguments.prepend("--port");
        arguments.prepend("/I127.0.0.1");
        return cli(arguments);
    }

    static QJsonArray jsonOf(const Outcome &o)
    {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(o.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << o.out.toStdString();
        return doc.array();
    }

    // RFC 4180: fields split at commas, quoted fields with doubled quotes, CRLF lines.
    static QList<QStringList> csvOf(const QString &text)
    {
        QList<QStringList> rows;
        QStringList row;
        QString field;
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text.at(i + 1) == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row.append(field);
                field.clear();
            } else if (c == '\r' && i + 1 < text.size() && text.at(i + 1) == '\n') {
                row.append(field);
                rows.append(row);
                row.clear();
                field.clear();
                ++i;
            } else {
                field += c;
            }
        }
        EXPECT_TRUE(field.isEmpty() && row.isEmpty()) << "the last line lacks CRLF";
        return rows;
    }

    QTemporaryDir dir;
};

TEST_F(CliTest, ListNamesEveryCommandWithItsShapeInMenuOrder)
{
    const Outcome o = cli({"list"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    // The catalogue's 266 items less "IPv6 Mask Information", whose command does nothing.
    ASSERT_EQ(lines.size(), 265);
    QMap<QString, int> shapes;
    int hidden = 0;
    for (const QString &line : lines) {
        const QStringList f = line.split('\t');
        ASSERT_EQ(f.size(), 3) << line.toStdString();
        ++shapes[f[0]];
        hidden += f[1] == "hidden" ? 1 : 0;
        EXPECT_TRUE(f[1] == "hidden" || f[1] == "-");
    }
    EXPECT_EQ(shapes.value("E"), 61);
    EXPECT_EQ(shapes.value("T"), 116);
    EXPECT_EQ(shapes.value("D"), 63);
    EXPECT_EQ(shapes.value("V"), 22);
    EXPECT_EQ(shapes.value("S"), 3);
    EXPECT_EQ(hidden, 15);
    EXPECT_EQ(lines.first(), "E\t-\tBasic Configuration > Agent Management > Basic Information");
    EXPECT_TRUE(lines.contains("T\t-\tBasic Configuration > Agent Management > Trust Host > Trust Host Table"));
    EXPECT_TRUE(lines.last().startsWith("S\t-\tHelp > "));
}

TEST_F(CliTest, CommandNamesMustBeUniqueAndMistakesEndCleanly)
{
    Outcome o = cli({"/I127.0.0.1", "show", "Target Address Table"});
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_EQ(o.err.count("Target Address Table\n"), 2) << o.err.toStdString();
    EXPECT_TRUE(o.err.contains("SNMP V3 > ")) << o.err.toStdString();

    o = cli({"/I127.0.0.1", "show", "No Such Table"});
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.err.contains("No command is named")) << o.err.toStdString();

    // A dedicated dialog's command has no generic variable list to read.
    o = cli({"/I127.0.0.1", "show", "About"});
    EXPECT_EQ(o.status, 2);

    for (const QStringList &bad : QList<QStringList>{{"frobnicate"},
                                                      {"show"},
                                                      {"--port", "x", "list"},
                                                      {"/I127.0.0.1", "set", "Trust Host Table"},
                                                      {"/I127.0.0.1", "delete", "Trust Host Table"},
                                                      {"/I127.0.0.1", "set", "Device Control", "#99=1"},
                                                      {"/I127.0.0.1", "set", "Device Control", "Nope=1"},
                                                      {"/I127.0.0.1", "list", "extra"},
                                                      {"/I127.0.0.1", "leds", "--csv"}}) {
        o = cli(bad);
        EXPECT_EQ(o.status, 2) << bad.join(' ').toStdString() << ": " << o.err.toStdString();
        EXPECT_FALSE(o.err.isEmpty());
    }
}

TEST_F(CliTest, ATimeOutGivesTheProgramCodeAndCatalogueText)
{
    const int silent = 1; // nothing listens on UDP port 1 of the loopback
    const Outcome o = at(silent, {"--timeout", "20", "--retries", "0", "show", "Device Control"});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.out.isEmpty());
    EXPECT_EQ(o.err, "-405 (SNMPClass) SNMP request timed out!\n");
}

TEST_F(CliTest, ShowsAScalarGroupAsCaptionLines)
{
    if (simulatorPort() == 0)
        GTEST_SKIP() << "no simulator";
    const Outcome o = at(simulatorPort(), {"show", "Layer 2 Management > Device Control"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 18);
    EXPECT_TRUE(lines[0].startsWith("System Reboot: ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[8] == "RMON State: disabled" || lines[8] == "RMON State: enabled") << lines[8].toStdString();
    EXPECT_TRUE(lines[1].contains(QRegularExpression("^System IP: \\d+\\.\\d+\\.\\d+\\.\\d+$")));

    // The same read as one JSON object and as CSV.
    const QJsonArray json = jsonOf(at(simulatorPort(), {"show", "Device Control", "--json"}));
    ASSERT_EQ(json.size(), 1);
    EXPECT_EQ(json[0].toObject().value("RMON State").toString(), lines[8].section(": ", 1));
    const QList<QStringList> csv = csvOf(at(simulatorPort(), {"show", "Device Control", "--csv"}).out);
    ASSERT_EQ(csv.size(), 2);
    EXPECT_EQ(csv[0][8], "RMON State");
    EXPECT_EQ(csv[1][8], lines[8].section(": ", 1));
}

TEST_F(CliTest, ShowsATableWithStringKeysFromSnmpd)
{
    if (snmpdPort() == 0)
        GTEST_SKIP() << "no snmpd";
    const Outcome o = at(snmpdPort(), {"/v1", "show", "User-based Security Model > User Table", "--json"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QJsonArray rows = jsonOf(o);
    QStringList users;
    for (const QJsonValue &row : rows) {
        const QJsonObject r = row.toObject();
        users.append(r.value("User Name").toString());
        // The instance is the engine ID's and the name's sub-identifiers.
        EXPECT_TRUE(r.value("instance").toString().endsWith("." + QString::number(r.value("User Name").toString().size()) + "."
                                                              + [&] {
                                                                    QStringList s;
                                                                    for (QChar c : r.value("User Name").toString())
                                                                        s.append(QString::number(c.unicode()));
                                                                    return s.join('.');
                                                                }()))
            << r.value("instance").toString().toStdString();
    }
    EXPECT_TRUE(users.contains(TestAgents::md5User)) << users.join(',').toStdString();
    EXPECT_TRUE(users.contains(TestAgents::shaUser));
    // SHA-2 and AES protocols by their names, not as object identifiers.
    int named = 0;
    for (const QJsonValue &row : rows) {
        const QJsonObject r = row.toObject();
        if (r.value("User Name").toString() == QLatin1String(TestAgents::sha512User)) {
            EXPECT_EQ(r.value("User Auth Protocol").toString(), "HMAC-SHA-512");
            EXPECT_EQ(r.value("User Priv Protocol").toString(), "AES-256");
            ++named;
        } else if (r.value("User Name").toString() == QLatin1String(TestAgents::sha256User)) {
            EXPECT_EQ(r.value("User Auth Protocol").toString(), "HMAC-SHA-256");
            EXPECT_EQ(r.value("User Priv Protocol").toString(), "AES-128");
            ++named;
        }
    }
    EXPECT_EQ(named, 2);

    // The aligned table: a header, then one line per row with the columns lined up.
    const Outcome text = at(snmpdPort(), {"show", "SNMP V3 > User-based Security Model > User Table"});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), rows.size() + 1);
    const qsizetype nameColumn = lines[0].indexOf("User Name");
    ASSERT_GT(nameColumn, 0);
    for (qsizetype i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].mid(nameColumn).section(' ', 0, 0), users[i - 1]) << lines[i].toStdString();
}

TEST_F(CliTest, AnEmptyTablePrintsItsHeaderOnly)
{
    if (snmpdPort() == 0)
        GTEST_SKIP() << "no snmpd";
    // snmpd has none of the vendor's tables.
    Outcome o = at(snmpdPort(), {"show", "Trust Host Table"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, "Index  IP Address  Subnet Mask  Row Status\n");
    o = at(snmpdPort(), {"show", "Trust Host Table", "--json"});
    EXPECT_EQ(jsonOf(o).size(), 0);
    o = at(snmpdPort(), {"show", "Trust Host Table", "--csv"});
    EXPECT_EQ(o.out, "Index,IP Address,Subnet Mask,Row Status\r\n");
}

TEST_F(CliTest, CsvAndJsonOfATableAgree)
{
    if (simulatorPort() == 0)
        GTEST_SKIP() << "no simulator";
    const QJsonArray json = jsonOf(at(simulatorPort(), {"show", "MIB Capabilities", "--json"}));
    const QList<QStringList> csv = csvOf(at(simulatorPort(), {"show", "MIB Capabilities", "--csv"}).out);
    ASSERT_GT(json.size(), 1);
    ASSERT_EQ(csv.size(), json.size() + 1);
    const QStringList header = csv[0];
    for (qsizetype r = 0; r < json.size(); ++r) {
        const QJsonObject row = json[r].toObject();
        EXPECT_FALSE(row.value("instance").toString().isEmpty());
        for (qsizetype c = 0; c < header.size(); ++c)
            EXPECT_EQ(row.value(header[c]).toString(), csv[r + 1][c]);
    }
}

TEST_F(CliTest, AWalkCountsItsRowsOnATerminalOnly)
{
    if (simulatorPort() == 0 || !QFile::exists("/usr/bin/script"))
        GTEST_SKIP() << "no simulator or no script(1)";
    // Piped: no progress line on standard error.
    const Outcome piped = at(simulatorPort(), {"show", "MIB Capabilities"});
    ASSERT_EQ(piped.status, 0);
    EXPECT_TRUE(piped.err.isEmpty()) << piped.err.toStdString();
    // On a terminal: the count rewritten in place, wiped before the table.
    const QString line = program() + " /I127.0.0.1 --port " + QString::number(simulatorPort()) + " show 'MIB Capabilities'";
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.setProcessEnvironment(environment());
    p.start("/usr/bin/script", {"-qec", line, "/dev/null"});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString all = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(all.contains("\rReading rows: 1")) << all.toStdString();
    EXPECT_TRUE(all.contains("\r\x1b[K")) << all.toStdString();
    EXPECT_TRUE(all.contains("MIB Index")) << all.toStdString();
}

TEST_F(CliTest, LedsListSystemLedsThenPorts)
{
    if (simulatorPort() == 0)
        GTEST_SKIP() << "no simulator";
    const Outcome o = at(simulatorPort(), {"leds"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 32);
    EXPECT_TRUE(lines[0].startsWith("Power\t"));
    EXPECT_TRUE(lines[3].startsWith("PoE\t"));
    EXPECT_TRUE(lines[4].startsWith("Port 1\t"));
    EXPECT_TRUE(lines[31].startsWith("Port 28\t"));
    for (const QString &line : lines)
        EXPECT_TRUE(line.contains(QRegularExpression("\t(black|green|blue|red|orange)\t(steady|blinking)$")))
            << line.toStdString();
}

class CliWriteTest : public CliTest
{
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        if (IsSkipped())
            return;
        if (!sim.running())
            GTEST_SKIP() << "the simulator is not built";
    }
    Outcome on(const QStringList &arguments) { return at(sim.port(), QStringList{"/Wkdrwopl"} + arguments); }

    SimulatorProcess sim;
};

// An SNMPv2c table walk asks for many rows at once; --max-repetitions 0 walks
// one GET-NEXT per row, and the rows are the same.
TEST_F(CliWriteTest, MaxRepetitionsChoosesBulkOrGetNext)
{
    const Outcome bulk = on({"/v1", "show", "MIB Capabilities", "--csv"});
    ASSERT_EQ(bulk.status, 0) << bulk.err.toStdString();
    const int bulks = sim.bulkCount();
    EXPECT_GT(bulks, 0);
    const Outcome oneByOne = on({"/v1", "--max-repetitions", "0", "show", "MIB Capabilities", "--csv"});
    EXPECT_EQ(oneByOne.out, bulk.out);
    EXPECT_EQ(sim.bulkCount(), bulks);
}

TEST_F(CliWriteTest, SetWritesOnlyTheNamedVariablesAndChecksTheirFormats)
{
    Outcome o = on({"set", "Device Control", "MAC Notify Interval=7", "#10=enabled"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    QJsonObject now = jsonOf(on({"show", "Device Control", "--json"}))[0].toObject();
    EXPECT_EQ(now.value("MAC Notify Interval").toString(), "7");
    EXPECT_EQ(now.value("MAC Notify State").toString(), "enabled");

    // Refused by the row's format "%i{n1x4094l4}": the catalogue's range text,
    // and nothing reaches an agent (none listens where this one is sent).
    o = at(1, {"--timeout", "20", "--retries", "0", "set", "Device Control", "Management VLAN ID=5000"});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.startsWith("-8 ")) << o.err.toStdString();
    EXPECT_TRUE(o.err.contains("4094")) << o.err.toStdString();
    o = on({"set", "Device Control", "MAC Notify History Size=0"});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.contains("500")) << o.err.toStdString();
    o = on({"set", "Device Control", "MAC Notify State=sometimes"});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.contains("disabled, enabled")) << o.err.toStdString();
    o = on({"set", "Device Control", "MAC Notify Interval="});
    EXPECT_EQ(o.err, "Some items are empty!\n");
    // A number row without a format of its own takes a whole number only.
    o = on({"set", "Basic Management", "Telnet Port=7000x0"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "-8 Please enter a number between -2147483648 and 2147483647!\n");
    EXPECT_EQ(on({"set", "Basic Management", "Telnet Port=abc"}).status, 1);
    EXPECT_EQ(getValue(sim.target(), QString::fromLatin1(EnterpriseBase) + ".12.1.2.5.0"), "23");
    now = jsonOf(on({"show", "Device Control", "--json"}))[0].toObject();
    EXPECT_EQ(now.value("MAC Notify Interval").toString(), "7");
    EXPECT_EQ(now.value("MAC Notify State").toString(), "enabled");
}

// Every write, refused or not, is in the switch's journal; a secret is not; a
// journal that cannot be written stops no write.
TEST_F(CliWriteTest, WritesGoIntoTheJournalWhichTheClientPrints)
{
    ASSERT_EQ(on({"set", "Basic Management", "Telnet Port=2323"}).status, 0);
    ASSERT_EQ(on({"set", "Basic Management", "Telnet Port=99999"}).status, 1);
    ASSERT_EQ(on({"set", "AAC Information", "Local Enable Password=Zq9sEcret"}).status, 0);
    const Outcome journal = on({"journal", "--json"});
    ASSERT_EQ(journal.status, 0) << journal.err.toStdString();
    EXPECT_FALSE(journal.out.contains("Zq9sEcret"));
    const QJsonArray entries = jsonOf(journal);
    ASSERT_EQ(entries.size(), 3);
    // Newest first.
    const QJsonObject secret = entries[0].toObject();
    EXPECT_EQ(secret.value("changes").toArray()[0].toObject().value("sent").toString(), "(hidden)");
    const QJsonObject refused = entries[1].toObject();
    EXPECT_NE(refused.value("code").toInt(), 0);
    EXPECT_TRUE(refused.value("text").toString().endsWith("(Telnet Port)"));
    const QJsonObject port = entries[2].toObject();
    EXPECT_EQ(port.value("program").toString(), "nx2400p-cli");
    EXPECT_EQ(port.value("command").toString(), "Basic Configuration > Agent Management > Basic Management");
    EXPECT_EQ(port.value("changes").toArray()[0].toObject().value("sent").toString(), "2323");
    // What the switch held before is read first, for an undo.
    EXPECT_TRUE(on({"journal"}).out.contains("  Telnet Port: 23 -> 2323\n"));

    // No folder can be made where a file is: the write goes on, and says so.
    QFile blocker(dir.filePath("state"));
    ASSERT_TRUE(QDir(dir.filePath("state")).removeRecursively());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Outcome unjournalled = on({"set", "Basic Management", "Telnet Port=23"});
    EXPECT_EQ(unjournalled.status, 0);
    EXPECT_TRUE(unjournalled.err.contains("The change journal cannot be written")) << unjournalled.err.toStdString();
    EXPECT_EQ(getValue(sim.target(), QString::fromLatin1(EnterpriseBase) + ".12.1.2.5.0"), "23");
}

// Undo writes back what was read before the entry's write, once the switch
// still holds what the entry wrote (or when forced); a created row goes again.
TEST_F(CliWriteTest, UndoWritesTheOldValueBackAndStopsAtALaterChange)
{
    const QString telnetPort = QString::fromLatin1(EnterpriseBase) + ".12.1.2.5.0";
    const auto newestId = [this] { return jsonOf(on({"journal", "--json"}))[0].toObject().value("id").toString(); };
    ASSERT_EQ(on({"set", "Basic Management", "Telnet Port=2323"}).status, 0);
    const QString first = newestId();
    ASSERT_EQ(on({"set", "Basic Management", "Telnet Port=2424"}).status, 0);
    Outcome o = on({"undo", first.left(8)});
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(o.err.contains("Telnet Port: 2424 -> 2323 -> 23")) << o.err.toStdString();
    EXPECT_EQ(getValue(sim.target(), telnetPort), "2424");
    o = on({"undo", first, "--force"});
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, "Undone\n");
    EXPECT_EQ(getValue(sim.target(), telnetPort), "23");
    EXPECT_TRUE(jsonOf(on({"journal", "--json"}))[0].toObject().value("command").toString().startsWith("Undo " + first));

    ASSERT_EQ(on({"add", "Trust Host Table", "Index=7", "IP Address=10.70.70.7", "Subnet Mask=255.255.255.0"}).status, 0);
    o = on({"undo", newestId()});
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    for (const QJsonValue &r : jsonOf(on({"show", "Trust Host Table", "--json"})))
        EXPECT_NE(r.toObject().value("instance").toString(), "7");
}

TEST_F(CliWriteTest, SaveWritesEveryAreaAndSaysWhetherTheSwitchTookIt)
{
    const Outcome saved = on({"save"});
    EXPECT_EQ(saved.status, 0) << saved.err.toStdString();
    EXPECT_EQ(saved.out, "Saved\n");
    EXPECT_EQ(getValue(sim.target(), "1.3.6.1.3.2400.1.6.0"), "1");
    const Outcome refused = on({"/Wnot-the-community", "/v1", "save"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(getValue(sim.target(), "1.3.6.1.3.2400.1.6.0"), "1");
}

// A refusal is an error, SNMPv1's included, and names what was refused; an
// SNMPv3 report keeps its reason.
TEST_F(CliWriteTest, RefusalsAreErrorsThatNameTheirVariable)
{
    for (const char *version : {"/v0", "/v1"}) {
        const Outcome o = on({version, "set", "Basic Management", "Telnet Port=99999"});
        EXPECT_EQ(o.status, 1) << version;
        EXPECT_TRUE(o.err.endsWith("! (Telnet Port)\n")) << o.err.toStdString();
    }
    EXPECT_EQ(getValue(sim.target(), QString::fromLatin1(EnterpriseBase) + ".12.1.2.5.0"), "23");
    if (snmpdPort() > 0) {
        const Outcome o = at(snmpdPort(), {"/v3", "/l2", "/nnxnobody", "/a2", "/Anxauthonly1", "show", "SNMP Engine"});
        EXPECT_EQ(o.err, "-304 (SNMPv3USM) Unknown SecurityName!\n");
    }
}

TEST_F(CliWriteTest, SetWritesOneRowOfATable)
{
    Outcome o = on({"set", "QinQ Port Table", "--row", "2", "QinQ Port Role=nni"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    const QJsonArray rows = jsonOf(on({"show", "QinQ Port Table", "--json"}));
    ASSERT_GT(rows.size(), 2);
    EXPECT_EQ(rows[0].toObject().value("QinQ Port Role").toString(), "uni");
    EXPECT_EQ(rows[1].toObject().value("instance").toString(), "2");
    EXPECT_EQ(rows[1].toObject().value("QinQ Port Role").toString(), "nni");
    EXPECT_EQ(rows[2].toObject().value("QinQ Port Role").toString(), "uni");
    // The key is not the user's to change, and a table write needs its row.
    EXPECT_EQ(on({"set", "QinQ Port Table", "--row", "2", "QinQ Port Index=5"}).status, 2);
    EXPECT_EQ(on({"set", "QinQ Port Table", "QinQ Port Role=nni"}).status, 2);
    EXPECT_EQ(on({"set", "QinQ Port Table", "--row", "2.7", "QinQ Port Role=nni"}).status, 2);
}

TEST_F(CliWriteTest, AOneRowTableWithoutKeysIsWrittenAtTheRowItsReadFinds)
{
    const Outcome o = on({"set", "Net Configuration", "Net Config Subnet Mask=255.255.0.0"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(getValue(sim.target(), "1.3.6.1.2.1.16.19.11.1.2.29"), "255.255.0.0");
    EXPECT_EQ(on({"set", "Net Configuration", "--row", "29", "Net Config Subnet Mask=255.0.0.0"}).status, 2);
}

TEST_F(CliWriteTest, AddThenDeleteARow)
{
    const int before = jsonOf(on({"show", "Trust Host Table", "--json"})).size();
    Outcome o = on({"add", "Trust Host Table", "Index=9", "IP Address=10.90.90.99", "Subnet Mask=255.255.255.0"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, "9\n");
    QJsonArray rows = jsonOf(on({"show", "Trust Host Table", "--json"}));
    ASSERT_EQ(rows.size(), before + 1);
    bool found = false;
    for (const QJsonValue &r : rows) {
        if (r.toObject().value("instance").toString() == "9") {
            found = true;
            EXPECT_EQ(r.toObject().value("IP Address").toString(), "10.90.90.99");
        }
    }
    EXPECT_TRUE(found);

    // Rows of this table are only added and deleted; the status is not the user's to give.
    EXPECT_EQ(on({"set", "Trust Host Table", "--row", "9", "IP Address=10.1.1.1"}).status, 2);
    EXPECT_EQ(on({"add", "Trust Host Table", "Index=8", "Row Status=active"}).status, 2);
    EXPECT_EQ(on({"add", "Trust Host Table", "IP Address=10.1.1.1"}).status, 2);
    EXPECT_EQ(on({"delete", "Trust Host Table", "--row", "9.1"}).status, 2);

    o = on({"delete", "Trust Host Table", "--row", "9"});
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_EQ(jsonOf(on({"show", "Trust Host Table", "--json"})).size(), before);
}

} // namespace
