#include "device/TPortDetailsReader.h"

#include "binding/QxSNMPRequest2Rows.h"
#include "device/QxPortRead.h"
#include "snmp/QxSNMPException.h"
#include "tables/LldpDialogTables.h"
#include "tables/PortViewTables.h"
#include "tables/VlanDialogTables.h"

#include <QTimer>

namespace {

namespace D = PortViewTables::DetailColumn;
namespace V = VlanDialogTables::StaticColumn;
namespace R = LldpDialogTables::RemoteColumn;

} // namespace

TPortDetailsReader::TPortDetailsReader(QWidget *owner) : m_owner(owner)
{
    m_clock.start();
    m_vlans.binding = QxSNMPRequest2Rows::ofColumns(owner, VlanDialogTables::staticVlans, {V::Egress, V::Untagged});
    m_neighbours.binding =
        QxSNMPRequest2Rows::ofColumns(owner, LldpDialogTables::remoteSystems, {R::PortId, R::SystemName});
    for (Table *table : {&m_vlans, &m_neighbours})
        connect(table->binding.get(), &QxSNMPRequest2Controls::readDone, this, [this] { tableRead(); });
}

TPortDetailsReader::~TPortDetailsReader() = default;

TPortDetailsReader::Port &TPortDetailsReader::portEntry(int port)
{
    Port &entry = m_ports[port];
    if (!entry.read) {
        entry.read = std::make_unique<QxPortRead>(m_owner, PortViewTables::details, port);
        connect(entry.read.get(), &QxPortRead::done, this,
                [this, port](const QStringList &values, const QxSNMPError &error) { portRead(port, values, error); });
    }
    return entry;
}

void TPortDetailsReader::look(int port)
{
    Port &entry = portEntry(port);
    if (!entry.readAt.isValid() || entry.readAt.elapsed() >= FreshMs)
        entry.read->start();
    readIfStale(m_vlans);
    readIfStale(m_neighbours);
}

void TPortDetailsReader::readIfStale(Table &table)
{
    if (table.binding->busy() || (table.readAt.isValid() && table.readAt.elapsed() < FreshMs))
        return;
    table.readAt.start();
    try {
        table.binding->refresh();
    } catch (const QxSNMPException &) {
        // The tooltip shows the port without it; the next look tries again.
        table.readAt.invalidate();
    }
}

void TPortDetailsReader::portRead(int port, const QStringList &values, const QxSNMPError &error)
{
    Port &entry = m_ports[port];
    entry.readAt.start();
    entry.error = error.code != 0 ? error.message : QString();
    if (!values.isEmpty()) {
        entry.values = values;
        QxCounterSample sample;
        sample.atMs = m_clock.elapsed();
        sample.upTime = QxPortRead::upTime(values, D::UpTime);
        sample.counters = {QxPortRead::counter(values, D::HCInOctets, D::InOctets),
                           QxPortRead::counter(values, D::HCOutOctets, D::OutOctets)};
        const std::optional<QxCounterRates::Rates> rates = entry.rates.take(sample);
        if (rates) {
            entry.inBps = rates->value(0);
            entry.outBps = rates->value(1);
        } else if (!entry.secondSampleDue) {
            // The first sample only starts the measuring.
            entry.secondSampleDue = true;
            QTimer::singleShot(SecondSampleMs, this, [this, port] {
                Port &due = m_ports[port];
                due.secondSampleDue = false;
                due.read->start();
            });
        }
    }
    emit detailsChanged(port);
}

void TPortDetailsReader::tableRead()
{
    for (const auto &[port, entry] : m_ports)
        emit detailsChanged(port);
}

QxPortDetails TPortDetailsReader::details(int port) const
{
    QxPortDetails d;
    const auto found = m_ports.find(port);
    if (found == m_ports.end() || (found->second.values.isEmpty() && found->second.error.isEmpty())) {
        d.port = port;
        d.reading = true;
        return d;
    }
    const Port &entry = found->second;
    d = QxPortDetails::fromValues(port, entry.values);
    d.error = entry.error;
    d.inBps = entry.inBps;
    d.outBps = entry.outBps;

    QList<int> vlanIds;
    QStringList egress;
    QStringList untagged;
    for (const QStringList &row : m_vlans.binding->rows()) {
        vlanIds << row.value(V::VlanId).toInt();
        egress << row.value(V::Egress);
        untagged << row.value(V::Untagged);
    }
    d.takeVlans(vlanIds, egress, untagged);

    QStringList neighbours;
    for (const QStringList &row : m_neighbours.binding->rows())
        if (row.value(R::LocalPort).toInt() == port)
            neighbours << QStringLiteral("%1, port %2").arg(row.value(R::SystemName), row.value(R::PortId));
    d.neighbour = neighbours.join(QStringLiteral("; "));
    return d;
}
