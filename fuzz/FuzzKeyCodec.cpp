// Index keys: arbitrary instance texts (as a walk may return them) decoded for
// every syntax, and arbitrary value texts encoded.
#include "fuzz/FuzzInput.h"
#include "snmp/QxKeyCodec.h"
#include "snmp/QxSNMPException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const quint8 syntax = in.byte();
    const bool implied = (in.byte() & 1) != 0;
    const bool encode = (in.byte() & 1) != 0;
    const QString text = in.restText();
    try {
        if (encode) {
            (void)QxKeyCodec::encode(text, syntax, implied);
        } else {
            QString value;
            const QString rest = QxKeyCodec::decode(text, syntax, implied, value);
            FUZZ_CHECK(rest.size() <= text.size());
        }
    } catch (const QxSNMPException &) {
    }
    return 0;
}
