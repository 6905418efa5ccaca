// Addresses typed into the dialogs' IP edits, against the one valid-address rule.
#include "binding/QxIpAddressRule.h"
#include "fuzz/FuzzInput.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QString text = in.restText();
    if (QxIpAddressRule::isValid(text)) {
        // A valid text is a dotted IPv4 address of at most fifteen characters.
        FUZZ_CHECK(text.size() <= 15);
        FUZZ_CHECK(text.count(QLatin1Char('.')) == 3);
        for (const QString &part : text.split(QLatin1Char('.')))
            FUZZ_CHECK(!part.isEmpty() && part.toInt() <= 255);
    }
    return 0;
}
