#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// One input-constraint format of an edit, such as "%i{n0x65535l5a}", and
// the checks it implies. Pure text logic: the widget side (QxEditConstraint) feeds
// it the edit's text and acts on the outcome, so the rules can be exercised
// without any widget.
//
// Syntax: "%" type [delimiter] ["{" options "}"], types f h i u n s; options
// n<number> (minimum), x<number> (maximum), l<digits>[a|f|n]* (length and flags),
// w<digits> (width in pixels), e<char> (advance character).
class QxEditFormat
{
public:
    enum Flag {
        AutoAdvance = 1, // "a": move on once the text has `length` characters
        Fixed = 2,       // "f": the length (or count of numbers) is exact
        NotEmpty = 4,    // "n": an empty text fails the exit check
    };

    struct ChangeOutcome
    {
        enum Action {
            Ignore,  // marker text or empty: nothing to do
            Advance, // advance character typed: text without it, move the focus on
            Refuse,  // characters that do not fit were removed: text cleaned, beep
            Accept,  // every character fits: run the follow-up handler, then maybe advance
        };
        Action action = Ignore;
        QString text;            // the text the edit must show (Advance, Refuse)
        QList<int> removedAt;    // positions, in the original text, of removed characters
        bool refused = false;         // some removed character did not fit the type (beep)
        bool advanceWhenFull = false; // Accept: the auto-advance length is reached
    };

    struct ExitOutcome
    {
        enum Result {
            Skip, // marker text, or empty without the not-empty flag: leave untouched
            Pass, // the text meets the constraint
            Fail, // message holds the catalogue text with its placeholders filled
        };
        Result result = Skip;
        int code = 0;    // program error code of a failure (common table, -entry)
        QString message;
    };

    static constexpr int BadFormatEntry = 2;
    static constexpr int EmptyEntry = 3;
    static constexpr int MaxStringLengthEntry = 4;
    static constexpr int StringLengthEntry = 5;
    static constexpr int MaxHexLengthEntry = 6;
    static constexpr int HexLengthEntry = 7;
    static constexpr int NumberRangeEntry = 8;
    static constexpr int MaxCountEntry = 9;
    static constexpr int CountEntry = 10;
    static constexpr int ListRangeEntry = 11;

    // Parses one format; raises QxSNMPException -2 "Bad format specifier of
    // edit's constraint!" for anything outside the syntax.
    static QxEditFormat parse(const QString &text);

    // Cuts a format that serves several edits at every "%": segment k is the
    // format of edit k. Text ahead of the first "%" is a segment of its
    // own (and fails to parse), so a malformed format is never silently shortened.
    static QStringList segments(const QString &format);
    // How many edits a format serves: the "%" characters followed by a type letter.
    static int editCount(const QString &format);

    QChar type() const { return m_type; }
    QChar delimiter() const { return m_delimiter; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    int length() const { return m_length; }
    int flags() const { return m_flags; }
    bool hasFlag(Flag flag) const { return (m_flags & flag) != 0; }
    int width() const { return m_width; } // 0 = leave the edit's width alone
    QChar advanceCharacter() const { return m_advance; } // null = none

    // Bounds of a number list: the real bounds taken as integers, saturated at
    // the range of int so a missing maximum means the largest integer.
    qint64 integerMinimum() const;
    qint64 integerMaximum() const;

    // How many characters the longest value the format takes has: its
    // length (a text's at most longestText, as longer texts are rare and may
    // scroll), else the digits of its bounds; 0 when it sets neither. The
    // layouts make room for it.
    int widestLength(int longestText) const;

    // Whether the type accepts c after the characters already accepted.
    bool accepts(const QString &accepted, QChar c) const;

    // Keeps a user edit within the length: when the edit made the text longer
    // than the length (and longer than it was), only as much of the inserted text
    // stays as fits, the way a length-limited edit takes a paste. `before` is the
    // text ahead of the edit, `cursor` the position just after the insertion.
    // A text the program put in is never shortened. Returns whether it cut.
    bool limitLength(const QString &before, QString &text, int &cursor) const;

    ChangeOutcome checkChange(const QString &text) const;
    ExitOutcome checkExit(const QString &text) const;

    static bool isMarker(const QString &text);

    // A value for a numeric syntax (integers, counters, gauge, time ticks,
    // unsigned, and their 8- and 16-bit parts) where no format of its own
    // checks it: a whole number in the range of the type, blanks around it
    // ignored, a sign only where the type is signed; time ticks may also be
    // written as the time-ticks text they are read as. Fails with the number
    // message and the type's bounds; Skip for every other syntax. On Pass,
    // valueText (when given) receives the text to send: the number without
    // its blanks, time ticks as time-ticks text (a bare number would read as 0).
    static ExitOutcome checkWholeNumber(const QString &text, quint32 syntax, QString *valueText = nullptr);

private:
    QxEditFormat() = default;

    ExitOutcome checkNumber(const QString &text) const;
    ExitOutcome checkLength(const QString &text) const;
    ExitOutcome checkNumberList(const QString &text) const;

    QChar m_type;
    QChar m_delimiter;
    double m_minimum = 0;
    double m_maximum = 0;
    int m_length = 0;
    int m_flags = 0;
    int m_width = 0;
    QChar m_advance;
};
