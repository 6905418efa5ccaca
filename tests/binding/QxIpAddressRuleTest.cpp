// The one rule every dialog checks typed IP addresses with.
#include "binding/QxIpAddressRule.h"

#include <gtest/gtest.h>

namespace {

using Verdict = QxIpAddressRule::Verdict;

TEST(QxIpAddressRule, TakesDottedAddressesOfFifteenCharactersAtMost)
{
    for (const char *valid : {"10.90.90.90", "0.0.0.0", "255.255.255.255", "192.168.001.010"})
        EXPECT_EQ(QxIpAddressRule::check(valid), Verdict::Valid) << valid;
    for (const char *invalid : {"", "10.1.1", "10.1.1.1.1", "256.1.1.1", "1.2.3.256", "1000.1.1.1", "1.00.1.1",
                                "a.b.c.d", "1.2.3.4 ", "-1.2.3.4"})
        EXPECT_EQ(QxIpAddressRule::check(invalid), Verdict::Invalid) << invalid;
    // A sixteenth character is no longer overlooked.
    EXPECT_EQ(QxIpAddressRule::check("100.100.100.100x"), Verdict::Invalid);
    EXPECT_EQ(QxIpAddressRule::check("100.100.100.1001"), Verdict::Invalid);
    // Dots out of place are told apart: some dialogs word them differently.
    for (const char *dots : {".1.2.3", "1..2.3", "1.2.3."})
        EXPECT_EQ(QxIpAddressRule::check(dots), Verdict::MisplacedDot) << dots;
}

} // namespace
