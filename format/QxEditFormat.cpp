#include "format/QxEditFormat.h"

#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxTimeTicks.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kIntMin = std::numeric_limits<int>::min();
constexpr qint64 kIntMax = std::numeric_limits<int>::max();

[[noreturn]] void badFormat()
{
    QxSNMPException::raiseCommon(QxEditFormat::BadFormatEntry);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

bool isNumberCharacter(QChar c)
{
    return isDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// Reads the characters at pos that satisfy pred; advances pos past them.
template <typename Pred>
QString takeWhile(const QString &text, qsizetype &pos, qsizetype end, Pred pred)
{
    const qsizetype start = pos;
    while (pos < end && pred(text.at(pos)))
        ++pos;
    return text.mid(start, pos - start);
}

double toReal(const QString &digits)
{
    bool ok = false;
    const double value = digits.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        badFormat();
    return value;
}

int toCount(const QString &digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok)
        badFormat();
    return value;
}

qint64 saturateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(kIntMin))
        return kIntMin;
    if (value >= double(kIntMax))
        return kIntMax;
    return qint64(std::trunc(value));
}

QString realText(double value)
{
    return QString::number(value, 'g', 15);
}

QString commonText(int entry)
{
    return QxMessageCatalogue::instance().text(QxMessageCatalogue::Common, entry);
}

QxEditFormat::ExitOutcome failure(int entry, QString message)
{
    QxEditFormat::ExitOutcome outcome;
    outcome.result = QxEditFormat::ExitOutcome::Fail;
    outcome.code = -entry;
    outcome.message = std::move(message);
    return outcome;
}

QxEditFormat::ExitOutcome passed()
{
    QxEditFormat::ExitOutcome outcome;
    outcome.result = QxEditFormat::ExitOutcome::Pass;
    return outcome;
}

// The numbers of a delimited list, read the way number lists are read everywhere
// in the program: one element per delimiter plus one, digits after a "." dropped,
// other characters ignored. Elements saturate instead of wrapping, so a huge
// number can never come out inside the allowed range.
QList<qint64> numberList(const QString &text, QChar delimiter)
{
    constexpr qint64 cap = std::numeric_limits<qint64>::max() / 10 - 10;
    QList<qint64> numbers;
    if (text.isEmpty())
        return numbers;
    numbers.append(0);
    bool inFraction = false;
    for (const QChar c : text) {
        if (c == delimiter) {
            numbers.append(0);
            inFraction = false;
        } else if (c == QLatin1Char('.')) {
            inFraction = true;
        } else if (isDigit(c) && !inFraction) {
            qint64 &n = numbers.last();
            n = n >= cap ? cap : n * 10 + (c.unicode() - '0');
        }
    }
    return numbers;
}

} // namespace

QxEditFormat QxEditFormat::parse(const QString &text)
{
    const QString &s = text;
    if (s.size() < 2 || s.at(0) != QLatin1Char('%'))
        badFormat();

    QxEditFormat f;
    f.m_type = s.at(1);
    switch (f.m_type.unicode()) {
    case 'i':
        f.m_minimum = double(kIntMin);
        f.m_maximum = double(kIntMax);
        break;
    case 'u':
        f.m_minimum = 0;
        f.m_maximum = 4294967295.0;
        break;
    case 'f':
    case 'n':
        f.m_minimum = std::numeric_limits<double>::min();
        f.m_maximum = std::numeric_limits<double>::max();
        break;
    case 'h':
    case 's':
        break;
    default:
        badFormat();
    }

    qsizetype pos = 2;
    if (f.m_type == QLatin1Char('n')) {
        if (s.size() < 3)
            badFormat();
        f.m_delimiter = s.at(2);
        pos = 3;
    }
    if (pos == s.size())
        return f;
    if (s.at(pos) != QLatin1Char('{') || !s.endsWith(QLatin1Char('}')) || s.size() - pos < 2)
        badFormat();

    const qsizetype end = s.size() - 1;
    ++pos;
    while (pos < end) {
        const QChar option = s.at(pos++);
        switch (option.unicode()) {
        case 'n':
        case 'x': {
            const QString number = takeWhile(s, pos, end, isNumberCharacter);
            if (number.isEmpty())
                badFormat();
            (option == QLatin1Char('n') ? f.m_minimum : f.m_maximum) = toReal(number);
            break;
        }
        case 'l': {
            const QString digits = takeWhile(s, pos, end, isDigit);
            if (digits.isEmpty())
                badFormat();
            f.m_length = toCount(digits);
            for (int k = 0; k < 3 && pos < end; ++k) {
                const QChar flag = s.at(pos);
                if (flag == QLatin1Char('a'))
                    f.m_flags |= AutoAdvance;
                else if (flag == QLatin1Char('f'))
                    f.m_flags |= Fixed;
                else if (flag == QLatin1Char('n'))
                    f.m_flags |= NotEmpty;
                else
                    break;
                ++pos;
            }
            break;
        }
        case 'w': {
            const QString digits = takeWhile(s, pos, end, isDigit);
            if (digits.isEmpty())
                badFormat();
            f.m_width = toCount(digits);
            break;
        }
        case 'e':
            if (pos >= end)
                badFormat();
            f.m_advance = s.at(pos++);
            break;
        default:
            badFormat();
        }
    }
    return f;
}

QStringList QxEditFormat::segments(const QString &format)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= format.size(); ++i) {
        if (i == format.size() || format.at(i) == QLatin1Char('%')) {
            parts.append(format.mid(start, i - start));
            start = i;
        }
    }
    return parts;
}

int QxEditFormat::editCount(const QString &format)
{
    int count = 0;
    for (qsizetype i = 0; i + 1 < format.size(); ++i) {
        if (format.at(i) == QLatin1Char('%') && QStringLiteral("shiufn").contains(format.at(i + 1)))
            ++count;
    }
    return count;
}

qint64 QxEditFormat::integerMinimum() const
{
    return saturateToInt(m_minimum);
}

qint64 QxEditFormat::integerMaximum() const
{
    return saturateToInt(m_maximum);
}

int QxEditFormat::widestLength(int longestText) const
{
    if (m_type == QLatin1Char('n') || m_type == QLatin1Char('f'))
        return 0;
    if (m_length > 0)
        return m_type == QLatin1Char('s') ? std::min(m_length, longestText) : m_length;
    if (m_type != QLatin1Char('i') && m_type != QLatin1Char('u'))
        return 0;
    if (integerMaximum() >= kIntMax || integerMinimum() <= kIntMin)
        return 0;
    return int(std::max(QString::number(integerMaximum()).size(), QString::number(integerMinimum()).size()));
}

bool QxEditFormat::isMarker(const QString &text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

bool QxEditFormat::accepts(const QString &accepted, QChar c) const
{
    const bool first = accepted.isEmpty();
    switch (m_type.unicode()) {
    case 'i':
        return isDigit(c) || (c == QLatin1Char('-') && first);
    case 'u':
        return isDigit(c);
    case 'f':
        if (c == QLatin1Char('.'))
            return !accepted.contains(QLatin1Char('.'));
        return isDigit(c) || (c == QLatin1Char('-') && first);
    case 'h':
        return isHexDigit(c);
    case 'n':
        if (c == m_delimiter)
            return !first && accepted.back() != m_delimiter;
        return isDigit(c);
    default:
        return true;
    }
}

bool QxEditFormat::limitLength(const QString &before, QString &text, int &cursor) const
{
    // A number list's length counts numbers, not characters.
    if (m_length <= 0 || m_type == QLatin1Char('n'))
        return false;
    if (text.size() <= m_length || text.size() <= before.size())
        return false;
    cursor = std::clamp(cursor, 0, int(text.size()));
    // The edit replaced a piece of `before` by the text ending at the cursor; what
    // follows the cursor is the unchanged tail, so the insertion cannot start later
    // than where that tail begins in `before`.
    const int tail = int(text.size()) - cursor;
    const int limit = std::max(0, std::min(cursor, int(before.size()) - tail));
    int prefix = 0;
    while (prefix < limit && text.at(prefix) == before.at(prefix))
        ++prefix;
    const int inserted = cursor - prefix;
    const int kept = int(text.size()) - inserted;
    const int room = std::max(0, m_length - kept);
    if (inserted <= room)
        return false;
    text.remove(prefix + room, inserted - room);
    cursor = prefix + room;
    return true;
}

QxEditFormat::ChangeOutcome QxEditFormat::checkChange(const QString &text) const
{
    ChangeOutcome outcome;
    if (text.isEmpty() || isMarker(text))
        return outcome;

    // Whether a character fits depends only on the characters kept before it, so
    // one pass from the left gives what removing the first misfit again and again
    // would give, in linear time even for a long paste. A pasted text may hold the
    // advance character more than once; all of them go and the focus moves once.
    const bool hasAdvance = !m_advance.isNull() && text.contains(m_advance);
    const bool singlePoint = m_type == QLatin1Char('f');
    bool pointKept = false;
    QString kept;
    kept.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (hasAdvance && c == m_advance) {
            outcome.removedAt.append(i);
            continue;
        }
        const bool fits = singlePoint && c == QLatin1Char('.') ? !pointKept : accepts(kept, c);
        if (!fits) {
            outcome.removedAt.append(i);
            outcome.refused = true;
            continue;
        }
        pointKept = pointKept || c == QLatin1Char('.');
        kept.append(c);
    }

    if (hasAdvance)
        outcome.action = ChangeOutcome::Advance;
    else if (outcome.refused)
        outcome.action = ChangeOutcome::Refuse;
    else {
        outcome.action = ChangeOutcome::Accept;
        outcome.advanceWhenFull = hasFlag(AutoAdvance) && m_length > 0 && text.size() == m_length;
    }
    outcome.text = kept;
    return outcome;
}

QxEditFormat::ExitOutcome QxEditFormat::checkExit(const QString &text) const
{
    if (isMarker(text))
        return ExitOutcome{};
    if (text.isEmpty()) {
        if (hasFlag(NotEmpty))
            return failure(EmptyEntry, commonText(EmptyEntry));
        return ExitOutcome{};
    }
    switch (m_type.unicode()) {
    case 'f':
    case 'i':
    case 'u':
        return checkNumber(text);
    case 's':
    case 'h':
        return checkLength(text);
    case 'n':
        return checkNumberList(text);
    default:
        return passed();
    }
}

QxEditFormat::ExitOutcome QxEditFormat::checkNumber(const QString &text) const
{
    // A text that is no number at all (a lone "-" or ".") fails like a number out
    // of range: the user gets the range to aim for, not a conversion error.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && value >= m_minimum && value <= m_maximum)
        return passed();
    QString message = commonText(NumberRangeEntry);
    message = QxMessageCatalogue::fill(message, QStringLiteral("[MIN]"), realText(m_minimum));
    message = QxMessageCatalogue::fill(message, QStringLiteral("[MAX]"), realText(m_maximum));
    return failure(NumberRangeEntry, message);
}

QxEditFormat::ExitOutcome QxEditFormat::checkLength(const QString &text) const
{
    if (m_length <= 0)
        return passed();
    const bool hex = m_type == QLatin1Char('h');
    if (hasFlag(Fixed)) {
        if (text.size() == m_length)
            return passed();
        const int entry = hex ? HexLengthEntry : StringLengthEntry;
        return failure(entry, QxMessageCatalogue::fill(commonText(entry), QStringLiteral("[LEN]"),
                                                       QString::number(m_length)));
    }
    if (text.size() <= m_length)
        return passed();
    const int entry = hex ? MaxHexLengthEntry : MaxStringLengthEntry;
    return failure(entry, QxMessageCatalogue::fill(commonText(entry), QStringLiteral("[MAXLEN]"),
                                                   QString::number(m_length)));
}

QxEditFormat::ExitOutcome QxEditFormat::checkNumberList(const QString &text) const
{
    const QList<qint64> numbers = numberList(text, m_delimiter);
    const QString delimiter(m_delimiter);
    const qsizetype count = numbers.size();
    if (m_length > 0) {
        if (hasFlag(Fixed) && count != m_length) {
            QString message = QxMessageCatalogue::fill(commonText(CountEntry), QStringLiteral("[DELIMITER]"), delimiter);
            message = QxMessageCatalogue::fill(message, QStringLiteral("[COUNT]"), QString::number(m_length));
            return failure(CountEntry, message);
        }
        if (!hasFlag(Fixed) && count > m_length) {
            QString message = QxMessageCatalogue::fill(commonText(MaxCountEntry), QStringLiteral("[DELIMITER]"), delimiter);
            message = QxMessageCatalogue::fill(message, QStringLiteral("[MAXCOUNT]"), QString::number(m_length));
            return failure(MaxCountEntry, message);
        }
    }
    const qint64 low = integerMinimum();
    const qint64 high = integerMaximum();
    for (const qint64 n : numbers) {
        if (n < low || n > high) {
            QString message = QxMessageCatalogue::fill(commonText(ListRangeEntry), QStringLiteral("[DELIMITER]"), delimiter);
            message = QxMessageCatalogue::fill(message, QStringLiteral("[MIN]"), QString::number(low));
            message = QxMessageCatalogue::fill(message, QStringLiteral("[MAX]"), QString::number(high));
            return failure(ListRangeEntry, message);
        }
    }
    return passed();
}

namespace {

struct WholeRange
{
    bool known = false;
    bool isSigned = false;
    qint64 minimum = 0;  // signed types
    quint64 maximum = 0; // the largest magnitude on the positive side
};

WholeRange wholeRangeOf(quint32 syntax)
{
    using namespace QxSyntax;
    switch (syntax) {
    case integer:
        return {true, true, -2147483648LL, 2147483647ULL};
    case counter:
    case guage:
    case uinteger:
    case timeticks:
        return {true, false, 0, 4294967295ULL};
    case counter64:
        return {true, false, 0, std::numeric_limits<quint64>::max()};
    case int8:
        return {true, true, -128, 127};
    case uint8:
        return {true, false, 0, 255};
    case int16:
        return {true, true, -32768, 32767};
    case uint16:
        return {true, false, 0, 65535};
    default:
        return {};
    }
}

// Digits only, after an optional sign where the type has one; nothing else.
bool readWhole(const QString &text, const WholeRange &range, QString &normal)
{
    static const QRegularExpression whole(QStringLiteral("^([+-]?)([0-9]+)$"));
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch())
        return false;
    const bool negative = m.captured(1) == QLatin1String("-");
    if (!m.captured(1).isEmpty() && !range.isSigned)
        return false;
    bool ok = false;
    const quint64 magnitude = m.captured(2).toULongLong(&ok);
    if (!ok)
        return false;
    if (negative) {
        if (magnitude > quint64(-(range.minimum + 1)) + 1)
            return false;
    } else if (magnitude > range.maximum) {
        return false;
    }
    normal = negative && magnitude != 0 ? QLatin1Char('-') + QString::number(magnitude) : QString::number(magnitude);
    return true;
}

// The time-ticks text exactly as reads show it ("2 days, 3:04:05.06").
bool readTimeTicksText(const QString &text, QString &normal)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:([0-9]+) days?,? )?([0-9]+):([0-5]?[0-9]):([0-5]?[0-9])\\.([0-9]{1,2})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch() || m.captured(2).size() > 10 || m.captured(1).size() > 10)
        return false;
    const quint64 ticks = QxTimeTicks::fromText(text);
    if (ticks > 4294967295ULL)
        return false;
    normal = QxTimeTicks::toText(ticks);
    return true;
}

} // namespace

QxEditFormat::ExitOutcome QxEditFormat::checkWholeNumber(const QString &text, quint32 syntax, QString *valueText)
{
    const WholeRange range = wholeRangeOf(syntax);
    if (!range.known)
        return ExitOutcome{};
    const QString trimmed = text.trimmed();
    QString normal;
    bool ok = readWhole(trimmed, range, normal);
    if (ok && syntax == QxSyntax::timeticks)
        normal = QxTimeTicks::toText(normal.toULongLong());
    else if (!ok && syntax == QxSyntax::timeticks)
        ok = readTimeTicksText(trimmed, normal);
    if (ok) {
        if (valueText)
            *valueText = normal;
        return passed();
    }
    QString message = commonText(NumberRangeEntry);
    message = QxMessageCatalogue::fill(message, QStringLiteral("[MIN]"),
                                       range.isSigned ? QString::number(range.minimum) : QStringLiteral("0"));
    message = QxMessageCatalogue::fill(message, QStringLiteral("[MAX]"), QString::number(range.maximum));
    return failure(NumberRangeEntry, message);
}
