#include "format/QxEditFormat.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Change = QxEditFormat::ChangeOutcome;
using Exit = QxEditFormat::ExitOutcome;

Exit leaving(const char *format, const char *text)
{
    return QxEditFormat::parse(QString::fromLatin1(format)).checkExit(QString::fromLatin1(text));
}

Change typing(const char *format, const char *text)
{
    return QxEditFormat::parse(QString::fromLatin1(format)).checkChange(QString::fromLatin1(text));
}

void expectFailure(const Exit &outcome, int code, const char *message)
{
    EXPECT_EQ(outcome.result, Exit::Fail);
    EXPECT_EQ(outcome.code, code);
    EXPECT_EQ(outcome.message.toStdString(), message);
}

} // namespace

// --- the format language --------------------------------------------------------

TEST(EditFormatParse, ReadsEveryOptionOfTheProgramsFormats)
{
    const auto f = QxEditFormat::parse(QStringLiteral("%i{n0x65535l5a}"));
    EXPECT_EQ(f.type(), QLatin1Char('i'));
    EXPECT_EQ(f.minimum(), 0);
    EXPECT_EQ(f.maximum(), 65535);
    EXPECT_EQ(f.length(), 5);
    EXPECT_EQ(f.flags(), QxEditFormat::AutoAdvance);

    const auto g = QxEditFormat::parse(QStringLiteral("%s{l16w120e.}"));
    EXPECT_EQ(g.length(), 16);
    EXPECT_EQ(g.width(), 120);
    EXPECT_EQ(g.advanceCharacter(), QLatin1Char('.'));

    const auto n = QxEditFormat::parse(QStringLiteral("%n,{n-1.5x7}"));
    EXPECT_EQ(n.delimiter(), QLatin1Char(','));
    EXPECT_EQ(n.minimum(), -1.5);
    EXPECT_EQ(n.maximum(), 7);

    // Empty options and no options keep the type's defaults.
    EXPECT_EQ(QxEditFormat::parse(QStringLiteral("%i{}")).maximum(), 2147483647.0);
    EXPECT_EQ(QxEditFormat::parse(QStringLiteral("%u")).maximum(), 4294967295.0);
}

TEST(EditFormatParse, LetterAfterLengthDigitsIsAFlagNotAMinimum)
{
    const auto f = QxEditFormat::parse(QStringLiteral("%i{l3nx9}"));
    EXPECT_EQ(f.flags(), QxEditFormat::NotEmpty);
    EXPECT_EQ(f.minimum(), -2147483648.0);
    EXPECT_EQ(f.maximum(), 9);

    EXPECT_EQ(QxEditFormat::parse(QStringLiteral("%s{l8fan}")).flags(), 7);
    // A fourth letter is an option again: "n5" sets the minimum.
    const auto g = QxEditFormat::parse(QStringLiteral("%i{l8fann5}"));
    EXPECT_EQ(g.flags(), 7);
    EXPECT_EQ(g.minimum(), 5);
}

TEST(EditFormatParse, RejectsEverythingOutsideTheSyntaxWithCodeMinus2)
{
    for (const char *bad : {"", "%", "i{n1}", "%z", "%n", "%i{", "%i}", "%i{n1x2", "%ix", "%i{l}", "%i{n}",
                            "%i{x}", "%i{w}", "%i{e}", "%i{q1}", "%i{n1 x2}", "%i{n-}", "%i{n1.2.3}",
                            "%i{l99999999999}", "%n,{l3}x"}) {
        try {
            QxEditFormat::parse(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted " << bad;
        } catch (const QxSNMPException &e) {
            EXPECT_EQ(e.code(), -2) << bad;
            EXPECT_EQ(e.text().toStdString(), "Bad format specifier of edit's constraint!");
        }
    }
}

TEST(EditFormatParse, CutsAMultiEditFormatAtEveryPercent)
{
    const QString format = QStringLiteral("%i{e.}%i{e.}%i{e.}%i{n0x255}");
    EXPECT_EQ(QxEditFormat::segments(format),
              (QStringList{"%i{e.}", "%i{e.}", "%i{e.}", "%i{n0x255}"}));
    EXPECT_EQ(QxEditFormat::editCount(format), 4);
    // Text ahead of the first "%" stays a segment, so the format fails as a whole.
    EXPECT_EQ(QxEditFormat::segments(QStringLiteral("x%s")), (QStringList{"x", "%s"}));
    EXPECT_EQ(QxEditFormat::editCount(QStringLiteral("100%% %s")), 1);
}

// --- markers and empty texts -----------------------------------------------------

TEST(EditFormatMarkers, NullAndNotDoneAreNeverChecked)
{
    for (const char *format : {"%i{n1x5}", "%h{l12f}", "%s{l3n}", "%n,{l2f}", "%f"}) {
        EXPECT_EQ(leaving(format, "(NULL)").result, Exit::Skip) << format;
        EXPECT_EQ(leaving(format, "(NOTDONE)").result, Exit::Skip) << format;
        EXPECT_EQ(typing(format, "(NULL)").action, Change::Ignore) << format;
    }
}

TEST(EditFormatMarkers, EmptyTextFailsOnlyWithTheNotEmptyFlag)
{
    EXPECT_EQ(leaving("%i{n1x5}", "").result, Exit::Skip);
    EXPECT_EQ(leaving("%s{l8}", "").result, Exit::Skip);
    expectFailure(leaving("%s{l8n}", ""), -3, "Empty value is not allowed!");
    expectFailure(leaving("%i{l3n}", ""), -3, "Empty value is not allowed!");
}

// --- "i": signed integers ----------------------------------------------------------

TEST(EditFormatInteger, TypingKeepsDigitsAndALeadingMinusOnly)
{
    auto c = typing("%i", "12a");
    EXPECT_EQ(c.action, Change::Refuse);
    EXPECT_TRUE(c.refused);
    EXPECT_EQ(c.text, QStringLiteral("12"));
    EXPECT_EQ(c.removedAt, (QList<int>{2}));

    EXPECT_EQ(typing("%i", "-12").action, Change::Accept);
    EXPECT_EQ(typing("%i", "1-2").text, QStringLiteral("12"));
    EXPECT_EQ(typing("%i", "--5").text, QStringLiteral("-5"));
    EXPECT_EQ(typing("%i", "1.5").text, QStringLiteral("15"));
}

TEST(EditFormatInteger, RangeEdgesAndTheMessage)
{
    const char *format = "%i{n0x65535l5a}";
    EXPECT_EQ(leaving(format, "0").result, Exit::Pass);
    EXPECT_EQ(leaving(format, "65535").result, Exit::Pass);
    expectFailure(leaving(format, "70000"), -8, "Please enter a number between 0 and 65535!");
    expectFailure(leaving(format, "65536"), -8, "Please enter a number between 0 and 65535!");
    expectFailure(leaving(format, "-1"), -8, "Please enter a number between 0 and 65535!");

    EXPECT_EQ(leaving("%i", "-2147483648").result, Exit::Pass);
    expectFailure(leaving("%i", "2147483648"), -8,
                  "Please enter a number between -2147483648 and 2147483647!");
}

TEST(EditFormatInteger, TextThatIsNoNumberFailsWithTheRangeMessage)
{
    expectFailure(leaving("%i{n1x255}", "-"), -8, "Please enter a number between 1 and 255!");
    expectFailure(leaving("%f{n1x255}", "."), -8, "Please enter a number between 1 and 255!");
    expectFailure(leaving("%i{n1x255}", "-."), -8, "Please enter a number between 1 and 255!");
}

TEST(EditFormatInteger, AutoAdvanceOnlyAtTheExactLength)
{
    EXPECT_FALSE(typing("%i{n0x65535l5a}", "1234").advanceWhenFull);
    EXPECT_TRUE(typing("%i{n0x65535l5a}", "12345").advanceWhenFull);
    EXPECT_FALSE(typing("%i{n0x65535l5}", "12345").advanceWhenFull);
    // A text that had characters removed is not yet the final one.
    EXPECT_FALSE(typing("%i{n0x65535l5a}", "1234a").advanceWhenFull);
}

// --- "u" and "f" --------------------------------------------------------------------

TEST(EditFormatWholeNumber, NumberRowsWithoutAFormatTakeWholeNumbersOfTheirTypeOnly)
{
    using namespace QxSyntax;
    QString sent;
    EXPECT_EQ(QxEditFormat::checkWholeNumber(" 7000 ", integer, &sent).result, Exit::Pass);
    EXPECT_EQ(sent, "7000");
    EXPECT_EQ(QxEditFormat::checkWholeNumber("-2147483648", integer).result, Exit::Pass);
    const Exit typo = QxEditFormat::checkWholeNumber("7000x0", integer);
    EXPECT_EQ(typo.result, Exit::Fail);
    EXPECT_EQ(typo.code, -8);
    EXPECT_EQ(typo.message, "Please enter a number between -2147483648 and 2147483647!");
    for (const char *bad : {"abc", "", "2147483648", "1.5", "+-1", "1 2"})
        EXPECT_EQ(QxEditFormat::checkWholeNumber(bad, integer).result, Exit::Fail) << bad;
    // Unsigned types take no sign but their whole range.
    EXPECT_EQ(QxEditFormat::checkWholeNumber("4294967295", guage).result, Exit::Pass);
    EXPECT_EQ(QxEditFormat::checkWholeNumber("-1", counter).message,
              "Please enter a number between 0 and 4294967295!");
    EXPECT_EQ(QxEditFormat::checkWholeNumber("18446744073709551615", counter64).result, Exit::Pass);
    EXPECT_EQ(QxEditFormat::checkWholeNumber("18446744073709551616", counter64).result, Exit::Fail);
    // Time ticks: the text reads show, or a bare number of hundredths, which is
    // sent as time-ticks text (the codec reads a bare number as 0).
    EXPECT_EQ(QxEditFormat::checkWholeNumber("12345", timeticks, &sent).result, Exit::Pass);
    EXPECT_EQ(sent, "0:02:03.45");
    EXPECT_EQ(QxEditFormat::checkWholeNumber("2 days, 0:00:00.01", timeticks, &sent).result, Exit::Pass);
    EXPECT_EQ(sent, "2 days, 0:00:00.01");
    EXPECT_EQ(QxEditFormat::checkWholeNumber("0:61:00.00", timeticks).result, Exit::Fail);
    // Other syntaxes are none of its business.
    EXPECT_EQ(QxEditFormat::checkWholeNumber("abc", displaystr).result, Exit::Skip);
    EXPECT_EQ(QxEditFormat::checkWholeNumber("x", ipaddress).result, Exit::Skip);
}

TEST(EditFormatUnsigned, NoMinusAndTheFullUnsignedRange)
{
    EXPECT_EQ(typing("%u", "-5").text, QStringLiteral("5"));
    EXPECT_EQ(leaving("%u", "4294967295").result, Exit::Pass);
    expectFailure(leaving("%u", "4294967296"), -8, "Please enter a number between 0 and 4294967295!");
}

TEST(EditFormatReal, DefaultMinimumIsPositiveSoZeroAndNegativesFail)
{
    EXPECT_EQ(leaving("%f", "0.5").result, Exit::Pass);
    EXPECT_EQ(leaving("%f", "0").result, Exit::Fail);
    EXPECT_EQ(leaving("%f", "-3").result, Exit::Fail);
    EXPECT_EQ(leaving("%f{n-1x1}", "-0.25").result, Exit::Pass);
}

TEST(EditFormatReal, TypingAllowsOnePointAndALeadingMinus)
{
    // A long paste full of misfits is cleaned in one pass, not one per character.
    const auto pasted = typing("%f", ("-" + std::string(30000, '.') + "5").c_str());
    EXPECT_EQ(pasted.text, QStringLiteral("-.5"));
    EXPECT_EQ(pasted.removedAt.size(), 29999);

    EXPECT_EQ(typing("%f", "-1.5").action, Change::Accept);
    EXPECT_EQ(typing("%f", "1.2.3").text, QStringLiteral("1.23"));
    EXPECT_EQ(typing("%f", "1.5-").text, QStringLiteral("1.5"));
}

// --- "h": hex strings ----------------------------------------------------------------

TEST(EditFormatHex, TypingKeepsHexDigitsOfEitherCase)
{
    EXPECT_EQ(typing("%h", "0aF9").action, Change::Accept);
    EXPECT_EQ(typing("%h", "0A:1g").text, QStringLiteral("0A1"));
}

TEST(EditFormatHex, FixedAndMaximumLengths)
{
    expectFailure(leaving("%h{l12f}", "0011223344"), -7, "Please enter a hex string whose length is 12!");
    expectFailure(leaving("%h{l12f}", "00112233445566"), -7, "Please enter a hex string whose length is 12!");
    EXPECT_EQ(leaving("%h{l12f}", "001122334455").result, Exit::Pass);

    EXPECT_EQ(leaving("%h{l4}", "0A1B").result, Exit::Pass);
    expectFailure(leaving("%h{l4}", "0A1B2"), -6, "Please enter a hex string whose length is less than 4!");
    EXPECT_EQ(leaving("%h", "0011223344556677").result, Exit::Pass);
}

// --- "s": strings ---------------------------------------------------------------------

TEST(EditFormatString, AnyCharacterAndTheLengthMessages)
{
    EXPECT_EQ(typing("%s{l8}", "a-.%{} ").action, Change::Accept);
    EXPECT_EQ(leaving("%s{l4}", "abcd").result, Exit::Pass);
    expectFailure(leaving("%s{l4}", "abcde"), -4, "Please enter a string whose length is less than 4!");
    expectFailure(leaving("%s{l4f}", "abc"), -5, "Please enter a string whose length is 4!");
}

// --- advance character ---------------------------------------------------------------

TEST(EditFormatAdvance, AdvanceCharacterIsTakenOutBeforeFiltering)
{
    auto c = typing("%i{e.}", "192.");
    EXPECT_EQ(c.action, Change::Advance);
    EXPECT_FALSE(c.refused);
    EXPECT_EQ(c.text, QStringLiteral("192"));

    // A pasted address keeps its digits; the focus is to move on once.
    c = typing("%i{e.}", "10.0.0.1x");
    EXPECT_EQ(c.action, Change::Advance);
    EXPECT_TRUE(c.refused);
    EXPECT_EQ(c.text, QStringLiteral("10001"));
}

// --- "n": delimited number lists -----------------------------------------------------

TEST(EditFormatNumberList, DelimiterNeitherFirstNorTwiceInARow)
{
    EXPECT_EQ(typing("%n,", "1,22,3").action, Change::Accept);
    EXPECT_EQ(typing("%n,", ",1").text, QStringLiteral("1"));
    EXPECT_EQ(typing("%n,", "1,,2").text, QStringLiteral("1,2"));
    EXPECT_EQ(typing("%n,", "1,a,2").text, QStringLiteral("1,2"));
    EXPECT_EQ(typing("%n,", ",,,7").text, QStringLiteral("7"));
    EXPECT_EQ(typing("%n.", "1.-2").text, QStringLiteral("1.2"));
}

TEST(EditFormatNumberList, CountsExactAndMaximum)
{
    expectFailure(leaving("%n,{x255l4f}", "1,2,3"), -10,
                  "Please enter a delimited number string with delimiter ','.\n"
                  "Here,the count of the number is equal to 4!");
    EXPECT_EQ(leaving("%n,{x255l4f}", "1,2,3,4").result, Exit::Pass);
    expectFailure(leaving("%n;{l3}", "1;2;3;4"), -9,
                  "Please enter a delimited number string with delimiter ';'.\n"
                  "Here,the count of the number is less than 3!");
    EXPECT_EQ(leaving("%n;{l3}", "1;2;3").result, Exit::Pass);
}

TEST(EditFormatNumberList, EveryNumberWithinTheIntegerBounds)
{
    const char *between = "Please enter a delimited number string with delimiter ','.\n"
                          "Here,each number is between 1 and 255!";
    expectFailure(leaving("%n,{n1x255}", "1,256,3"), -11, between);
    expectFailure(leaving("%n,{n1x255}", "0,2"), -11, between);
    EXPECT_EQ(leaving("%n,{n1x255}", "1,255").result, Exit::Pass);
}

TEST(EditFormatNumberList, MissingMaximumMeansTheLargestInteger)
{
    const auto f = QxEditFormat::parse(QStringLiteral("%n,"));
    EXPECT_EQ(f.integerMinimum(), 0);
    EXPECT_EQ(f.integerMaximum(), 2147483647);
    EXPECT_EQ(leaving("%n,", "0,2147483647").result, Exit::Pass);
    const char *between = "Please enter a delimited number string with delimiter ','.\n"
                          "Here,each number is between 0 and 2147483647!";
    expectFailure(leaving("%n,", "2147483648"), -11, between);
    // Numbers too large for any integer must not wrap around into the range.
    expectFailure(leaving("%n,", "1,4294967297"), -11, between);
    expectFailure(leaving("%n,", "99999999999999999999999999"), -11, between);
}

// --- the length limit on user edits ----------------------------------------------------

TEST(EditFormatLength, InsertionIsCutToWhatFits)
{
    const auto f = QxEditFormat::parse(QStringLiteral("%s{l5}"));
    QString text = QStringLiteral("12345x");
    int cursor = 6;
    EXPECT_TRUE(f.limitLength(QStringLiteral("12345"), text, cursor));
    EXPECT_EQ(text, QStringLiteral("12345"));
    EXPECT_EQ(cursor, 5);

    // A paste into the middle keeps its head; a repeated character is no excuse.
    text = QStringLiteral("1222222");
    cursor = 6;
    EXPECT_TRUE(f.limitLength(QStringLiteral("12"), text, cursor));
    EXPECT_EQ(text, QStringLiteral("12222"));
    EXPECT_EQ(cursor, 4);

    // Replacing a selection by a longer paste.
    text = QStringLiteral("1abcdef5");
    cursor = 7;
    EXPECT_TRUE(f.limitLength(QStringLiteral("12345"), text, cursor));
    EXPECT_EQ(text, QStringLiteral("1abc5"));
    EXPECT_EQ(cursor, 4);
}

TEST(EditFormatLength, ShorteningAnOverLongTextAndNumberListsAreLeftAlone)
{
    const auto f = QxEditFormat::parse(QStringLiteral("%s{l5}"));
    QString text = QStringLiteral("(NULL");
    int cursor = 5;
    EXPECT_FALSE(f.limitLength(QStringLiteral("(NULL)"), text, cursor));
    text = QStringLiteral("1234567");
    EXPECT_FALSE(f.limitLength(QStringLiteral("12345678"), text, cursor));

    const auto list = QxEditFormat::parse(QStringLiteral("%n.{l4f}"));
    text = QStringLiteral("10.0.0.1");
    cursor = 8;
    EXPECT_FALSE(list.limitLength(QStringLiteral("10.0.0."), text, cursor));
    EXPECT_FALSE(QxEditFormat::parse(QStringLiteral("%s")).limitLength(QString(), text, cursor));
}
