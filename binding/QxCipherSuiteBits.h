#pragma once

#include <QString>
#include <array>
#include <optional>

// The SSL cipher suites the switch offers, as it keeps them: one octet as two
// hexadecimal digits whose first digit holds four suites, the first suite its
// most significant bit (8), the fourth its least (1); the second digit is
// always 0. "A0": the first and the third.
class QxCipherSuiteBits final
{
public:
    static constexpr int Count = 4;
    using Suites = std::array<bool, Count>;

    // The suites of an exactly two-character text whose first character is a
    // digit 0-9 or A-F; none for any other text.
    static std::optional<Suites> decode(const QString &text);
    // The upper-case digit of the suites, then "0".
    static QString encode(const Suites &suites);
};
