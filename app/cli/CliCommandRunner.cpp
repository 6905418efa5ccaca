#include "app/cli/CliCommandRunner.h"

#include "app/cli/CliAssignments.h"
#include "app/cli/CliError.h"
#include "app/cli/CliLedDecoder.h"
#include "app/cli/CliProgressLine.h"
#include "app/cli/CliTableWriter.h"
#include "app/core/CommandRequest.h"
#include "snmp/QxOctetCodec.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "tables/FrontPanelObjects.h"

namespace {

constexpr int LedTimeout = 300;

QStringList visibleCaptions(const QxSNMPVarList &list)
{
    QStringList captions;
    for (int i = 0; i < list.count(); ++i) {
        if (list.isVisible(i))
            captions.append(list.item(i).caption.trimmed());
    }
    return captions;
}

QStringList visibleValues(const QxSNMPVarList &list)
{
    QStringList values;
    for (int i = 0; i < list.count(); ++i) {
        if (list.isVisible(i))
            values.append(list.item(i).valueText);
    }
    return values;
}

} // namespace

QString CliCommandRunner::selection(const QList<int> &positions)
{
    QStringList parts;
    for (int p : positions)
        parts.append(QString::number(p));
    return parts.join(QLatin1Char(','));
}

CliTableWriter CliCommandRunner::writerFor(const QxSNMPVarList &list)
{
    return CliTableWriter(visibleCaptions(list));
}

void CliCommandRunner::addRow(CliTableWriter &writer, QxSNMPRequest &request)
{
    const QxSNMPVarList &list = request.varList();
    if (list.isTableKind())
        writer.addRow(visibleValues(list), request.encodeRowIndex());
    else
        writer.addRow(visibleValues(list));
}

QString CliCommandRunner::formatted(const CommandRecord &record, const CliTableWriter &writer,
                                    CliArguments::Format format)
{
    switch (format) {
    case CliArguments::Format::Csv:
        return writer.csv();
    case CliArguments::Format::Json:
        return writer.json();
    case CliArguments::Format::Text:
        break;
    }
    return record.shape == CommandShape::Table ? writer.aligned() : writer.captionLines();
}

std::unique_ptr<QxSNMPRequest> CliCommandRunner::requestFor(const CommandRecord &record) const
{
    auto request = std::make_unique<QxSNMPRequest>();
    CommandRequest::prepare(record, *request);
    if (m_timeout)
        request->timeout = *m_timeout;
    if (m_retries)
        request->retries = *m_retries;
    return request;
}

const CommandRecord &CliCommandRunner::generic(const CliCommandFinder::Command &command)
{
    const CommandRecord &r = *command.record;
    if ((r.shape != CommandShape::Editor && r.shape != CommandShape::Table) || !r.items)
        throw CliError(QStringLiteral("\"%1\" opens no generic dialog (shape %2); only E and T commands can be read "
                                      "and written here")
                           .arg(command.path, CliCommandFinder::shapeLetter(r.shape)));
    return r;
}

const CommandRecord &CliCommandRunner::tableWithRowStatus(const CliCommandFinder::Command &command,
                                                          const char *action)
{
    const CommandRecord &r = generic(command);
    if (r.shape != CommandShape::Table || r.rowStatusColumn < 0 || r.kind == SVT_SV || r.kind == MVT_SV)
        throw CliError(QStringLiteral("\"%1\" has no %2").arg(command.path, QString::fromLatin1(action)));
    return r;
}

void CliCommandRunner::selectRow(QxSNMPRequest &request, const QString &row)
{
    try {
        request.decodeRowIndex(row);
        // An instance with sub-identifiers left over, or one the keys read
        // differently, would address another row than the one named.
        if (request.encodeRowIndex() == row)
            return;
    } catch (const QxSNMPException &) {
    }
    throw CliError(QStringLiteral("\"%1\" is not a row instance of this table").arg(row));
}

QString CliCommandRunner::show(const CliCommandFinder::Command &command, CliArguments::Format format) const
{
    const CommandRecord &record = generic(command);
    std::unique_ptr<QxSNMPRequest> request = requestFor(record);
    QxSNMPVarList &list = request->varList();
    CliTableWriter writer = writerFor(list);
    if (list.isTableKind()) {
        CliProgressLine progress;
        for (bool more = request->readRow(true); more; more = request->readRow(false)) {
            if (!request->rowCondition.isEmpty() && !request->evaluateCondition(request->rowCondition))
                continue;
            addRow(writer, *request);
            progress.rowRead(writer.rowCount());
        }
    } else {
        request->readRow(true);
        addRow(writer, *request);
    }
    return formatted(record, writer, format);
}

void CliCommandRunner::set(const CliCommandFinder::Command &command, const std::optional<QString> &row,
                           const QStringList &assignments) const
{
    const CommandRecord &record = generic(command);
    std::unique_ptr<QxSNMPRequest> request = requestFor(record);
    QxSNMPVarList &list = request->varList();
    if (list.isTableKind() && list.keyCount() == 0) {
        // A table without key columns is edited as one row, the one a read finds.
        if (row)
            throw CliError(QStringLiteral("\"%1\" is edited as the one row it has: leave --row out").arg(command.path));
        if (!request->readRow(true))
            throw CliError(QStringLiteral("\"%1\" has no row to write").arg(command.path), CliError::RefusedStatus);
    } else if (list.isTableKind()) {
        if (record.editHidden)
            throw CliError(QStringLiteral("\"%1\" rows are only added and deleted").arg(command.path));
        if (!row)
            throw CliError(QStringLiteral("\"%1\" is a table: name the row with --row INDEX").arg(command.path));
        selectRow(*request, *row);
    } else if (row) {
        throw CliError(QStringLiteral("\"%1\" has no rows: leave --row out").arg(command.path));
    } else {
        // The values before the write go into the journal, so that it can be
        // undone; a switch that does not answer the read is told by the write.
        try {
            request->readRow(true);
        } catch (const QxSNMPException &) {
        }
    }

    const QList<CliAssignments::Assignment> values =
        CliAssignments::parse(record, list, assignments, CliAssignments::Purpose::Edit);
    QList<int> positions;
    QStringList texts;
    for (const CliAssignments::Assignment &a : values) {
        positions.append(a.position);
        texts.append(a.value);
    }
    request->writeRow(selection(positions), texts);
}

QString CliCommandRunner::add(const CliCommandFinder::Command &command, const QStringList &assignments) const
{
    const CommandRecord &record = tableWithRowStatus(command, "Add");
    std::unique_ptr<QxSNMPRequest> request = requestFor(record);
    QxSNMPVarList &list = request->varList();
    const QList<CliAssignments::Assignment> values =
        CliAssignments::parse(record, list, assignments, CliAssignments::Purpose::Add);
    QList<int> positions;
    QStringList texts;
    for (const CliAssignments::Assignment &a : values) {
        if (a.position < list.keyCount())
            list.item(a.position).valueText = a.value;
        else {
            positions.append(a.position);
            texts.append(a.value);
        }
    }
    positions.append(record.rowStatusColumn);
    texts.append(QString::fromLatin1(CliAssignments::AddStatusText));
    const QString instance = request->encodeRowIndex();
    request->writeRow(selection(positions), texts);
    return instance;
}

void CliCommandRunner::remove(const CliCommandFinder::Command &command, const QString &row) const
{
    const CommandRecord &record = tableWithRowStatus(command, "Delete");
    std::unique_ptr<QxSNMPRequest> request = requestFor(record);
    selectRow(*request, row);
    request->writeRow(QString::number(record.rowStatusColumn), {QString::fromLatin1(CliAssignments::DeleteStatusText)});
}

QString CliCommandRunner::leds() const
{
    QxSNMPRequest request;
    request.varList() = QxSNMPVarList(FrontPanelObjects::ledStatus, MVT_SV, 0);
    request.varList().setInstanceSuffix(QStringLiteral("0"));
    request.varList().setListName(QStringLiteral(" Led Status"));
    // The panel gives its poll three seconds.
    request.timeout = m_timeout.value_or(LedTimeout);
    if (m_retries)
        request.retries = *m_retries;
    request.readRow(true);
    const QxSNMPVariable &status = request.varList().item(0);
    const QByteArray octets = QxOctetCodec::textToOctets(status.valueText, status.syntax);
    return CliLedDecoder::lines(CliLedDecoder::decode(octets));
}
