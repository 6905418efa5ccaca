#include "binding/QxIpAddressRule.h"

#include <QStringList>

namespace {

constexpr qsizetype MaximumLength = 15; // "255.255.255.255"
constexpr qsizetype MaximumPartLength = 3;

} // namespace

QxIpAddressRule::Verdict QxIpAddressRule::check(const QString &text)
{
    if (text.isEmpty() || text.size() > MaximumLength)
        return Verdict::Invalid;
    for (const QChar c : text)
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return Verdict::Invalid;
    if (text.startsWith(QLatin1Char('.')))
        return Verdict::MisplacedDot;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char('.') && (i + 1 >= text.size() || !text.at(i + 1).isDigit()))
            return Verdict::MisplacedDot;
    if (text.count(QLatin1Char('.')) != 3)
        return Verdict::Invalid;
    const QStringList parts = text.split(QLatin1Char('.'));
    for (qsizetype k = 0; k < parts.size(); ++k) {
        const QString &part = parts.at(k);
        if (k < 3 && part.size() > MaximumPartLength)
            return Verdict::Invalid;
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value > 255 || (value == 0 && part.contains(QLatin1String("00"))))
            return Verdict::Invalid;
    }
    return Verdict::Valid;
}

const char *QxIpAddressRule::reservedMessage(const QString &text)
{
    if (text == QLatin1String("255.255.255.255"))
        return "you can't input this ip address";
    if (text.startsWith(QLatin1String("127")))
        return "you can't input ip address like 127.*.*.*";
    bool ok = false;
    const int first = text.section(QLatin1Char('.'), 0, 0).toInt(&ok);
    if (ok && first >= 224 && first <= 239)
        return "Ip address can not in class d";
    if (ok && first >= 240 && first <= 247)
        return "Ip address can not in class e";
    return nullptr;
}

quint32 QxIpAddressRule::number(const QString &valid)
{
    quint32 value = 0;
    for (const QString &part : valid.split(QLatin1Char('.')))
        value = (value << 8) | (part.toUInt() & 0xFFu);
    return value;
}
