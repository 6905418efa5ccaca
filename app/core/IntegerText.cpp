#include "app/core/IntegerText.h"

#include <limits>

int IntegerText::toInt(const QString &text)
{
    const auto fail = [&text]() -> int {
        throw Error(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
    };
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < text.size() && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == QLatin1Char('0')
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return fail();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const int digit = QChar(text[i]).isDigit() && text[i].unicode() < 128
                              ? text[i].unicode() - '0'
                              : (base == 16 && text[i].toLower() >= QLatin1Char('a') && text[i].toLower() <= QLatin1Char('f')
                                     ? text[i].toLower().unicode() - 'a' + 10
                                     : -1);
        if (digit < 0)
            return fail();
        value = value * base + digit;
        // Hexadecimal texts may spell a negative number by its 32-bit pattern.
        const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                        : qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
        if (value > limit)
            return fail();
    }
    if (base == 16 && !negative)
        return int(quint32(value));
    return int(negative ? -value : value);
}
