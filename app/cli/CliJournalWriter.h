#pragma once

#include "app/core/ChangeJournal.h"

#include <QDateTime>
#include <QString>
#include <optional>

// The change journal as nx2400p-cli prints it, newest entry first: as text
// (a line per entry, then "  Caption: old -> new" per variable) or as a JSON
// array of the journal's own objects.
class CliJournalWriter final
{
public:
    static QString text(const ChangeJournal::Reading &reading, const std::optional<QDateTime> &since);
    static QString json(const ChangeJournal::Reading &reading, const std::optional<QDateTime> &since);
};
