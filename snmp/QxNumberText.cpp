#include "snmp/QxNumberText.h"

#include "snmp/QxSNMPException.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {
constexpr int kBadValue = -518;
}

bool QxNumberText::leading(const QString &text, bool &negative, quint64 &magnitude)
{
    negative = false;
    magnitude = 0;
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    bool fits = true;
    for (; i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const quint64 digit = quint64(text[i].unicode() - '0');
        if (magnitude > (std::numeric_limits<quint64>::max() - digit) / 10)
            fits = false;
        else
            magnitude = magnitude * 10 + digit;
    }
    return fits;
}

qint32 QxNumberText::toInt32(const QString &text)
{
    bool negative = false;
    quint64 magnitude = 0;
    if (!leading(text, negative, magnitude) || magnitude > (negative ? 2147483648ull : 2147483647ull))
        QxSNMPException::raiseFramework(kBadValue);
    return negative ? qint32(-qint64(magnitude)) : qint32(magnitude);
}

quint32 QxNumberText::toUInt32(const QString &text)
{
    bool negative = false;
    quint64 magnitude = 0;
    if (!leading(text, negative, magnitude) || magnitude > 4294967295ull || (negative && magnitude != 0))
        QxSNMPException::raiseFramework(kBadValue);
    return quint32(magnitude);
}

quint64 QxNumberText::toUInt64(const QString &text)
{
    bool negative = false;
    quint64 magnitude = 0;
    if (!leading(text, negative, magnitude) || (negative && magnitude != 0))
        QxSNMPException::raiseFramework(kBadValue);
    return magnitude;
}

double QxNumberText::toReal(const QString &text)
{
    const QByteArray latin = text.trimmed().toLatin1();
    bool ok = false;
    const double whole = text.trimmed().toDouble(&ok);
    if (ok)
        return whole;
    const char *begin = latin.constData();
    char *end = nullptr;
    const double value = std::strtod(begin, &end);
    return end == begin ? 0.0 : value;
}

QString QxNumberText::realText(double value)
{
    return QString::number(value, 'g', 15);
}
