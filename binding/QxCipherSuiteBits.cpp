#include "binding/QxCipherSuiteBits.h"

namespace {
constexpr int FirstSuiteBit = 8;
} // namespace

std::optional<QxCipherSuiteBits::Suites> QxCipherSuiteBits::decode(const QString &text)
{
    if (text.size() != 2)
        return std::nullopt;
    const QChar digit = text.at(0);
    int nibble = 0;
    if (digit >= QLatin1Char('0') && digit <= QLatin1Char('9'))
        nibble = digit.unicode() - '0';
    else if (digit >= QLatin1Char('A') && digit <= QLatin1Char('F'))
        nibble = digit.unicode() - 'A' + 10;
    else
        return std::nullopt;
    Suites suites{};
    for (int i = 0; i < Count; ++i)
        suites[size_t(i)] = (nibble & (FirstSuiteBit >> i)) != 0;
    return suites;
}

QString QxCipherSuiteBits::encode(const Suites &suites)
{
    int nibble = 0;
    for (int i = 0; i < Count; ++i)
        if (suites[size_t(i)])
            nibble |= FirstSuiteBit >> i;
    return QString::number(nibble, 16).toUpper() + QLatin1Char('0');
}
