#include "app/cli/CliJournalWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QList<const ChangeJournal::Entry *> newestFirst(const ChangeJournal::Reading &reading,
                                                const std::optional<QDateTime> &since)
{
    QList<const ChangeJournal::Entry *> shown;
    for (auto it = reading.entries.crbegin(); it != reading.entries.crend(); ++it)
        if (!since || it->time >= *since)
            shown.append(&*it);
    return shown;
}

} // namespace

QString CliJournalWriter::text(const ChangeJournal::Reading &reading, const std::optional<QDateTime> &since)
{
    QString out;
    for (const ChangeJournal::Entry *e : newestFirst(reading, since)) {
        out += e->time.toString(Qt::ISODate) + QLatin1Char('\t') + e->id + QLatin1Char('\t') + e->program
               + QLatin1Char('\t') + e->user + QLatin1Char('\t') + e->command + QLatin1Char('\t')
               + (e->wentThrough() ? QStringLiteral("Ok") : QStringLiteral("FAILED ") + e->text) + QLatin1Char('\n');
        for (const ChangeJournal::Change &c : e->changes)
            out += QStringLiteral("  ") + c.text(QStringLiteral(" -> ")) + QLatin1Char('\n');
    }
    return out;
}

QString CliJournalWriter::json(const ChangeJournal::Reading &reading, const std::optional<QDateTime> &since)
{
    QJsonArray entries;
    for (const ChangeJournal::Entry *e : newestFirst(reading, since))
        entries.append(QJsonDocument::fromJson(ChangeJournal::toLine(*e)).object());
    return QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Indented));
}
