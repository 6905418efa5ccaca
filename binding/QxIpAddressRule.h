#pragma once

#include <QString>

// Whether a text is a valid IPv4 address as the dialogs take one: only decimal
// digits and dots, not starting with a dot, exactly three dots each followed
// directly by a digit, the first three parts at most three characters, every
// part 0..255, and a part whose value is 0 without "00" in it. A text longer
// than the fifteen characters an address can have is no address.
//
// Some dialogs word a misplaced dot differently ("Please input a valid IP"),
// so the verdict tells that failure apart.
class QxIpAddressRule final
{
public:
    enum class Verdict { Valid, MisplacedDot, Invalid };

    static constexpr const char *message = "Please input a valid ip";
    static constexpr const char *dotMessage = "Please input a valid IP";

    static Verdict check(const QString &text);
    static bool isValid(const QString &text) { return check(text) == Verdict::Valid; }

    // Why a server may not have the address, or null: the limited broadcast,
    // a loopback address, or one of class D (224-239) or E (240-247), judged
    // by the text's first part.
    static const char *reservedMessage(const QString &text);

    // A valid address as a number (host order), so that ranges compare.
    static quint32 number(const QString &valid);
    // Whether a valid address is an IPv4 multicast group (224.0.0.0-239.255.255.255).
    static bool isMulticast(const QString &valid) { return (number(valid) >> 28) == 0xE; }
};
