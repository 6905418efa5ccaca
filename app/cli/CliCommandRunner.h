#pragma once

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommandFinder.h"
#include "app/cli/CliTableWriter.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QxSNMPRequest;
class QxSNMPVarList;

// Runs show, set, add, delete and leds of the command-line client with the
// module's own request engine: each action builds the command's variable list
// from its descriptor array, as its generic dialog does, and reads or writes it
// with one request that copies the process defaults.
class CliCommandRunner
{
public:
    // The requests' time-out (hundredths of a second) and retries when given.
    explicit CliCommandRunner(std::optional<int> timeout = std::nullopt, std::optional<int> retries = std::nullopt)
        : m_timeout(timeout), m_retries(retries)
    {
    }

    // The value texts, as the dialog shows them, in the given form.
    QString show(const CliCommandFinder::Command &command, CliArguments::Format format) const;
    // Writes only the named variables; a table row is addressed by its instance.
    void set(const CliCommandFinder::Command &command, const std::optional<QString> &row,
             const QStringList &assignments) const;
    // Writes the key values' row with the add status; returns the new row's instance.
    QString add(const CliCommandFinder::Command &command, const QStringList &assignments) const;
    // Writes the delete status into the row's RowStatus column.
    void remove(const CliCommandFinder::Command &command, const QString &row) const;
    // Reads the front panel's LED status string once and decodes it.
    QString leds() const;

    // What show and set on many switches share with show and set on one.
    // The E or T command's record; raises CliError for any other.
    static const CommandRecord &generic(const CliCommandFinder::Command &command);
    // Points the request's key columns at a row; raises CliError when the
    // instance is not one of this table's.
    static void selectRow(QxSNMPRequest &request, const QString &row);
    // The writer of a read's rows, with the list's visible captions.
    static CliTableWriter writerFor(const QxSNMPVarList &list);
    static void addRow(CliTableWriter &writer, QxSNMPRequest &request);
    // The rows read, in the form asked for.
    static QString formatted(const CommandRecord &record, const CliTableWriter &writer, CliArguments::Format format);
    // "0,2": the write's positions for the request's selection list.
    static QString selection(const QList<int> &positions);

private:
    std::unique_ptr<QxSNMPRequest> requestFor(const CommandRecord &record) const;
    static const CommandRecord &tableWithRowStatus(const CliCommandFinder::Command &command, const char *action);

    std::optional<int> m_timeout;
    std::optional<int> m_retries;
};
