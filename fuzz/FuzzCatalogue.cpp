// Message catalogue files installed by the host suite: any bytes load (or are
// refused) and every text taken from the loaded table expands.
#include "fuzz/FuzzInput.h"
#include "snmp/QxMessageCatalogue.h"

#include <QTime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString file = fuzzFile("catalogue.err");
    FuzzInput in(data, size);
    const auto table = QxMessageCatalogue::Table(in.byte() % QxMessageCatalogue::TableCount);
    const int status = in.number<qint32>();
    writeFuzzFile(file, in.restBytes());
    QxMessageCatalogue catalogue;
    catalogue.loadCatalogue(table, file);
    for (int i = -1; i <= catalogue.size(table); ++i)
        (void)catalogue.text(table, i);
    const QxMessageCatalogue::Mapped mapped = catalogue.mapLibraryStatus(status);
    (void)catalogue.frameworkText(mapped.code);
    (void)catalogue.expandStatus(QxMessageCatalogue::ReadTemplate, mapped.text, QStringLiteral("list"), QTime(1, 2, 3));
    (void)catalogue.expandStatus(QxMessageCatalogue::WriteTemplate, mapped.text, QStringLiteral("list"), QTime(1, 2, 3));
    (void)QxMessageCatalogue::fill(catalogue.text(table, 0), QStringLiteral("[MIN]"), mapped.text);
    return 0;
}
