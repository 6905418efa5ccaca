// The change journal's lines: any bytes in the file; every line either comes
// back as an entry that writes out and reads back the same, or is skipped with
// a warning.
#include "app/core/ChangeJournal.h"
#include "fuzz/FuzzInput.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString folder = fuzzFile("journal");
    static const bool made = QDir().mkpath(folder);
    (void)made;
    static const ChangeJournal journal(QStringLiteral("10.0.0.1"), 161, folder);
    writeFuzzFile(journal.fileName(), QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const ChangeJournal::Reading reading = journal.read();
    for (const ChangeJournal::Entry &entry : reading.entries) {
        const std::optional<ChangeJournal::Entry> again = ChangeJournal::fromLine(ChangeJournal::toLine(entry));
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->id == entry.id && again->changes.size() == entry.changes.size());
    }
    return 0;
}
