// Values of arbitrary bindings shown in every syntax (a reply's type need not
// match what the descriptor expects), and arbitrary texts converted for writing.
#include "fuzz/FuzzInput.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxValueCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const quint8 syntax = in.byte();
    const quint8 mode = in.byte();
    QxSNMPValue value;
    value.type = in.byte();
    value.number = in.number<quint64>();
    const quint8 arcCount = in.byte() % 40;
    for (quint8 i = 0; i < arcCount; ++i)
        value.arcs.append(in.number<quint32>());
    const QByteArray bytes = in.restBytes();
    value.octets = bytes;
    try {
        if (mode & 1) {
            const QxSNMPValue written = QxValueCodec::fromText(QString::fromUtf8(bytes), syntax);
            (void)QxValueCodec::toText(written, syntax);
        } else {
            (void)QxValueCodec::toText(value, syntax);
        }
    } catch (const QxSNMPException &) {
    }
    return 0;
}
