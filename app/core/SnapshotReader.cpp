#include "app/core/SnapshotReader.h"

#include "app/core/RequestWalk.h"
#include "snmp/QxEventWait.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxValueCodec.h"
#include "tables/SnapshotTables.h"

#include <QDateTime>
#include <QMetaObject>

struct SnapshotReader::Reading
{
    const SnapshotScope::Source *source = nullptr;
    std::unique_ptr<QxSNMPRequest> request;
    std::unique_ptr<RequestWalk> walk;
    QList<ConfigSnapshot::Row> rows;
};

namespace {

// A cell the agent holds no value in reads as one of these.
bool isHole(const QString &text)
{
    return text == QxValueCodec::nullText() || text == QxValueCodec::notDoneText();
}

} // namespace

SnapshotReader::SnapshotReader(QList<SnapshotScope::Source> sources, SnmpAgent agent)
    : m_sources(std::move(sources)), m_agent(std::move(agent))
{
}

SnapshotReader::~SnapshotReader() = default;

std::unique_ptr<QxSNMPRequest> SnapshotReader::requestFor(const SnapshotScope::Source *source) const
{
    auto request = std::make_unique<QxSNMPRequest>();
    m_agent.applyTo(*request);
    if (!source) {
        request->varList() = QxSNMPVarList(SnapshotTables::switchIdentity);
        return request;
    }
    request->varList() = SnapshotScope::readList(*source);
    if (source->needsV2c && request->security.version == QxSNMPSecurity::V1)
        request->security.version = QxSNMPSecurity::V2c;
    return request;
}

void SnapshotReader::start(Progress progress, Finished finished, int inFlight)
{
    m_progress = std::move(progress);
    m_finished = std::move(finished);
    m_inFlight = std::max(1, inFlight);
    m_snapshot.device.address = m_agent.device.address;
    m_snapshot.device.port = m_agent.device.port;
    m_snapshot.device.time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    m_identity = std::make_unique<Reading>();
    m_identity->request = requestFor(nullptr);
    m_identity->walk = std::make_unique<RequestWalk>(*m_identity->request);
    m_identity->walk->start(
        [this](QxSNMPVarList &list) {
            m_snapshot.device.sysName = list.item(SnapshotTables::IdentityColumn::SysName).valueText;
            m_snapshot.device.sysObjectId = list.item(SnapshotTables::IdentityColumn::SysObjectId).valueText;
        },
        [this](int code, const QString &text) {
            QMetaObject::invokeMethod(m_context.get(), [this] { m_identity.reset(); }, Qt::QueuedConnection);
            // A switch that does not say who it is is not read any further.
            if (code != 0) {
                m_error = text;
                end();
                return;
            }
            if (m_sources.isEmpty())
                end();
            for (int i = 0; i < m_inFlight; ++i)
                startNext();
        });
}

void SnapshotReader::startNext()
{
    if (m_next >= m_sources.size())
        return;
    auto reading = std::make_unique<Reading>();
    reading->source = &m_sources.at(m_next++);
    reading->request = requestFor(reading->source);
    reading->walk = std::make_unique<RequestWalk>(*reading->request);
    Reading *r = reading.get();
    m_readings.push_back(std::move(reading));
    r->walk->start([this, r](QxSNMPVarList &list) { addRow(*r, list); },
                   [this, r](int code, const QString &text) {
                       if (code != 0)
                           m_failures.insert(r->source->path, text);
                       finish(*r);
                   });
}

void SnapshotReader::addRow(Reading &reading, QxSNMPVarList &list)
{
    ConfigSnapshot::Row row;
    QStringList keys;
    if (list.isTableKind()) {
        row.key = reading.request->readRowInstance();
        for (int k = 0; k < list.keyCount(); ++k)
            keys.append(list.item(k).caption.trimmed() + QLatin1Char('=') + list.item(k).valueText);
        row.keyText = keys.join(QStringLiteral(", "));
    }
    for (int i = 0; i < list.count(); ++i) {
        if (!SnapshotScope::isConfiguration(list, i))
            continue;
        const QxSNMPVariable &v = list.item(i);
        ConfigSnapshot::Value value;
        value.caption = v.caption.trimmed();
        value.oid = list.baseOid(i) + QLatin1Char('.') + (list.isTableKind() ? row.key : QStringLiteral("0"));
        value.syntax = ConfigSnapshot::syntaxName(v.syntax);
        if (v.has(QxAccess::readonly)) {
            if (isHole(v.valueText))
                continue;
            // A secret the switch reads back as nothing is there, unknown.
            if (!(v.has(QxAccess::secret) && v.valueText.isEmpty()))
                value.value = v.valueText;
        }
        row.values.append(std::move(value));
    }
    if (!row.values.isEmpty())
        reading.rows.append(std::move(row));
}

void SnapshotReader::finish(Reading &reading)
{
    if (!m_failures.contains(reading.source->path) || !reading.rows.isEmpty()) {
        // A dialog's tables share its command: rows of one key make one row.
        ConfigSnapshot::Command &command = m_commands[reading.source->path];
        command.path = reading.source->path;
        for (ConfigSnapshot::Row &row : reading.rows) {
            auto same = std::find_if(command.rows.begin(), command.rows.end(),
                                     [&row](const ConfigSnapshot::Row &r) { return r.key == row.key; });
            if (same == command.rows.end())
                command.rows.append(std::move(row));
            else
                same->values += row.values;
        }
    }
    // The walk that called this is still on the stack: it goes from the event loop.
    QMetaObject::invokeMethod(m_context.get(), [this, r = &reading] {
        std::erase_if(m_readings, [r](const std::unique_ptr<Reading> &k) { return k.get() == r; });
    }, Qt::QueuedConnection);
    ++m_done;
    if (m_progress)
        m_progress(m_done, total());
    if (m_done == total())
        end();
    else
        startNext();
}

void SnapshotReader::end()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_error.isEmpty()) {
        // A command the switch refused in part is no configuration to compare.
        for (const QString &path : m_failures.keys())
            m_commands.remove(path);
        m_snapshot.commands = m_commands.values();
        m_snapshot.sort();
    }
    if (m_finished)
        m_finished();
}

void SnapshotReader::runToEnd(SnapshotReader &reader, const Progress &progress)
{
    bool ended = false;
    reader.start(progress, [&ended] { ended = true; });
    while (QxEventWait::whileHolds([&ended] { return !ended; }, 60000)) {
    }
}
