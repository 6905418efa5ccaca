// The switch's front-panel LED status string, as any agent may send it.
#include "app/cli/CliLedDecoder.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QList<CliLedDecoder::Led> leds = CliLedDecoder::decode(in.restBytes());
    FUZZ_CHECK(leds.size() == 4 + 28);
    (void)CliLedDecoder::lines(leds);
    return 0;
}
