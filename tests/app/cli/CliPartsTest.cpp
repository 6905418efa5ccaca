// The command-line client's own pieces: output forms, LED decoding and the
// argument and name rules, without an agent.
#include "app/cli/CliArguments.h"
#include "app/cli/CliAssignments.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliError.h"
#include "app/cli/CliLedDecoder.h"
#include "app/cli/CliTableWriter.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPVarList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

CliLedDecoder::Led ledOf(const QByteArray &status, const QString &name)
{
    for (const CliLedDecoder::Led &led : CliLedDecoder::decode(status))
        if (led.name == name)
            return led;
    ADD_FAILURE() << "no LED " << name.toStdString();
    return {};
}

TEST(CliParts, CsvQuotesOnlyWhatNeedsItAndJsonEscapes)
{
    EXPECT_EQ(CliTableWriter::csvField("plain text"), "plain text");
    EXPECT_EQ(CliTableWriter::csvField("a,\"b\""), "\"a,\"\"b\"\"\"");
    EXPECT_EQ(CliTableWriter::csvField("two\nlines"), "\"two\nlines\"");

    CliTableWriter w({"Name", "Name", "Note"});
    w.addRow({"x\"y", "\\", QString("tab\tbell") + QChar(7)}, "1.2");
    w.addRow({"z"}, "3");
    const QJsonDocument doc = QJsonDocument::fromJson(w.json().toUtf8());
    ASSERT_TRUE(doc.isArray());
    const QJsonObject first = doc.array().at(0).toObject();
    EXPECT_EQ(first.value("instance").toString(), "1.2");
    EXPECT_EQ(first.value("Name").toString(), "x\"y");
    EXPECT_EQ(first.value("Name #1").toString(), "\\");
    EXPECT_EQ(first.value("Note").toString(), QString("tab\tbell") + QChar(7));
    EXPECT_EQ(doc.array().at(1).toObject().value("Note").toString(), "");
    EXPECT_EQ(w.aligned(), "Name  Name  Note\nx\"y   \\     tab\tbell\a\nz\n");
    EXPECT_EQ(CliTableWriter({"A"}).json(), "[]\n");
}

TEST(CliParts, LedStatusStringDecodesLikeTheFrontPanel)
{
    QByteArray s(60, '\0');
    s[0] = char(0x84); // Act: blue, blinking
    s[1] = char(0x06); // PoE: not in the map, black
    s[2] = char(0x02); // Power: green
    s[4] = char(0x01); s[5] = char(0x02);  // port 1: no data
    s[6] = char(0x80); s[7] = char(0x02);  // port 2: green, blinking
    s[8] = char(0x00); s[9] = char(0x05);  // port 3: red
    s[52] = char(0x00); s[53] = char(0x00); // port 25: combo map, 0 is black
    const QList<CliLedDecoder::Led> leds = CliLedDecoder::decode(s);
    ASSERT_EQ(leds.size(), 32);
    EXPECT_EQ(leds[0].name, "Power");
    EXPECT_EQ(leds[4].name, "Port 1");
    EXPECT_EQ(ledOf(s, "Act").colour, "blue");
    EXPECT_TRUE(ledOf(s, "Act").blinking);
    EXPECT_EQ(ledOf(s, "PoE").colour, "black");
    EXPECT_EQ(ledOf(s, "Power").colour, "green");
    EXPECT_EQ(ledOf(s, "Port 1").colour, "black");
    EXPECT_FALSE(ledOf(s, "Port 1").blinking);
    EXPECT_EQ(ledOf(s, "Port 2").colour, "green");
    EXPECT_TRUE(ledOf(s, "Port 2").blinking);
    EXPECT_EQ(ledOf(s, "Port 3").colour, "red");
    EXPECT_EQ(ledOf(s, "Port 4").colour, "orange"); // 0 on ports 1-24
    EXPECT_EQ(ledOf(s, "Port 25").colour, "black");

    // A short string: the system LEDs it holds, everything else black and steady,
    // also a pair whose colour byte is cut off.
    const QByteArray shortOne = QByteArray::fromHex("0203020280");
    EXPECT_EQ(ledOf(shortOne, "Console").colour, "green");
    EXPECT_EQ(ledOf(shortOne, "Port 1").colour, "black");
    EXPECT_FALSE(ledOf(shortOne, "Port 1").blinking);
    EXPECT_EQ(ledOf(QByteArray(), "Power").colour, "black");
}

TEST(CliParts, ArgumentsSplitLaunchParametersOptionsAndAssignments)
{
    const CliArguments a = CliArguments::parse(
        {"/I10.1.1.1", "/Rpub", "--port=1161", "--timeout", "50", "set", "Device Control", "A=1", "--row", "1.2", "B=x=y"});
    EXPECT_EQ(a.launchParameters, QStringList({"/I10.1.1.1", "/Rpub"}));
    EXPECT_EQ(a.port.value_or(0), 1161);
    EXPECT_EQ(a.timeout.value_or(0), 50);
    EXPECT_EQ(a.action, CliArguments::Action::Set);
    EXPECT_EQ(a.command, "Device Control");
    EXPECT_EQ(a.row.value_or(""), "1.2");
    EXPECT_EQ(a.assignments, QStringList({"A=1", "B=x=y"}));
    EXPECT_THROW(CliArguments::parse({"show", "X", "--csv", "extra"}), CliError);
    EXPECT_THROW(CliArguments::parse({"--port", "70000", "list"}), CliError);
    EXPECT_THROW(CliArguments::parse({"--retries"}), CliError);
    EXPECT_EQ(CliArguments::parse({"--max-repetitions", "0", "list"}).maxRepetitions.value_or(-1), 0);
    EXPECT_THROW(CliArguments::parse({"--max-repetitions", "-1", "list"}), CliError);
    EXPECT_THROW(CliArguments::parse({"add", "X", "--row", "1", "A=1"}), CliError);

    // snapshot, diff and restore take files and their own options only.
    const CliArguments diff = CliArguments::parse({"--hosts", "h", "diff", "a.json", "--live", "--json"});
    EXPECT_EQ(diff.action, CliArguments::Action::Diff);
    EXPECT_EQ(diff.command, "a.json");
    EXPECT_TRUE(diff.live && diff.hosts == "h" && diff.format == CliArguments::Format::Json);
    EXPECT_EQ(CliArguments::parse({"diff", "a.json", "b.json"}).otherFile, "b.json");
    EXPECT_TRUE(CliArguments::parse({"restore", "a.json", "--apply", "--yes"}).yes);
    for (const QStringList &wrong : {QStringList{"diff", "a.json"}, {"diff", "a.json", "b.json", "--live"},
                                     {"restore", "a.json"}, {"restore", "a.json", "--dry-run", "--apply"},
                                     {"snapshot", "extra"}, {"show", "X", "--out", "f"}, {"--hosts", "h", "restore", "a", "--apply"},
                                     {"diff", "a", "b", "--yes"}})
        EXPECT_THROW(CliArguments::parse(wrong), CliError) << wrong.join(' ').toStdString();
}

TEST(CliParts, CommandsAndVariablesAreFoundByTrimmedNames)
{
    const CliCommandFinder finder;
    const CliCommandFinder::Command &trust = finder.find("  Trust Host >Trust Host Table ");
    EXPECT_EQ(trust.path, "Basic Configuration > Agent Management > Trust Host > Trust Host Table");
    EXPECT_EQ(&finder.find(trust.path), &trust);
    EXPECT_THROW(finder.find("Host Table"), CliError); // not a whole caption
    EXPECT_THROW(finder.find(""), CliError);
    EXPECT_THROW(finder.find(">"), CliError);

    const QxSNMPVarList list(trust.record->items, trust.record->kind, trust.record->keyCount);
    EXPECT_EQ(CliAssignments::position(list, " IP Address "), 1);
    EXPECT_EQ(CliAssignments::position(list, "#3"), 3);
    EXPECT_THROW(CliAssignments::position(list, "#4"), CliError);
    EXPECT_THROW(CliAssignments::position(list, "#-1"), CliError);
    EXPECT_THROW(CliAssignments::position(list, "Mask"), CliError);

    // The edit's characters and its range: catalogue texts with their codes.
    const CliCommandFinder::Command &device = finder.find("Layer 2 Management > Device Control");
    const QxSNMPVarList scalars(device.record->items, device.record->kind, device.record->keyCount);
    EXPECT_EQ(CliAssignments::checkedValue(*device.record, scalars, 4, "4094"), "4094");
    EXPECT_EQ(CliAssignments::checkedValue(*device.record, scalars, 5, "3"), "enabled");
    EXPECT_THROW(CliAssignments::checkedValue(*device.record, scalars, 4, "12a"), CliError);
    try {
        CliAssignments::checkedValue(*device.record, scalars, 4, "0");
        ADD_FAILURE() << "0 passed";
    } catch (const QxSNMPException &e) {
        EXPECT_EQ(e.code(), -8);
    }
}

TEST(CliParts, TheStatusRowTakesWhatTheEditDialogOffers)
{
    const CliCommandFinder finder;
    const CliCommandFinder::Command &target = finder.find("SNMP Target MIB > Target Address Table");
    const CommandRecord &r = *target.record;
    const QxSNMPVarList list(r.items, r.kind, r.keyCount);
    using P = CliAssignments::Purpose;
    const auto edited = CliAssignments::parse(r, list, {"Row Status=2"}, P::Edit);
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited[0].position, 8);
    EXPECT_EQ(edited[0].value, "notInService");
    for (const QString &word : {QString("Row Status=destroy"), QString("#8=createAndGo")}) {
        try {
            CliAssignments::parse(r, list, {word}, P::Edit);
            ADD_FAILURE() << word.toStdString();
        } catch (const CliError &e) {
            EXPECT_EQ(e.status(), CliError::RefusedStatus);
        }
    }
    EXPECT_THROW(CliAssignments::parse(r, list, {"Row Status=active", "Address Name=x"}, P::Add), CliError);
    EXPECT_THROW(CliAssignments::parse(r, list, {"Address Name=x"}, P::Edit), CliError);
    EXPECT_THROW(CliAssignments::parse(r, list, {"Address Timeout=1", "Address Timeout=2"}, P::Edit), CliError);
    EXPECT_EQ(CliAssignments::parse(r, list, {"Address Name=x", "Address Retry Count=3"}, P::Add).size(), 2);
    // "%i{n0x255l3}" on the retry count.
    EXPECT_THROW(CliAssignments::parse(r, list, {"Address Retry Count=256"}, P::Edit), QxSNMPException);
}

} // namespace
