// Edit-constraint formats from the descriptor tables (and the host's catalogue),
// then every check a user's typing runs through them.
#include "format/QxEditFormat.h"
#include "fuzz/FuzzInput.h"
#include "snmp/QxSNMPException.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const int cursorSeed = in.byte();
    const QString all = in.restText();
    // The format ends at the first line break; what follows is the user's text.
    const qsizetype cut = all.indexOf(QLatin1Char('\n'));
    const QString formatText = cut < 0 ? all : all.left(cut);
    const QString text = cut < 0 ? QString() : all.mid(cut + 1);
    (void)QxEditFormat::segments(formatText);
    // A number row without a format of its own, for a syntax the seed picks.
    QString sent;
    if (QxEditFormat::checkWholeNumber(text, quint32(cursorSeed), &sent).result == QxEditFormat::ExitOutcome::Pass)
        FUZZ_CHECK(!sent.isEmpty());
    (void)QxEditFormat::editCount(formatText);
    try {
        const QxEditFormat format = QxEditFormat::parse(formatText);
        (void)format.integerMinimum();
        (void)format.integerMaximum();
        const QxEditFormat::ChangeOutcome change = format.checkChange(text);
        for (int at : change.removedAt)
            FUZZ_CHECK(at >= 0 && at < text.size());
        (void)format.checkExit(text);
        (void)format.checkExit(change.text);
        QString accepted;
        for (QChar c : text)
            if (format.accepts(accepted, c))
                accepted += c;
        QString edited = text;
        int cursor = text.isEmpty() ? 0 : cursorSeed % (text.size() + 1);
        const QString before = text.left(cursor / 2);
        format.limitLength(before, edited, cursor);
        FUZZ_CHECK(cursor >= 0 && cursor <= edited.size());
    } catch (const QxSNMPException &) {
    }
    return 0;
}
