#include "device/QxVlanMatrix.h"

#include "snmp/QxPortList.h"

#include <QStringList>
#include <algorithm>
#include <set>

namespace {

using Member = QxVlanMatrix::Member;

Member memberIn(const QByteArray &egress, const QByteArray &untagged, int port)
{
    if (!QxPortList::has(egress, port - 1))
        return Member::None;
    return QxPortList::has(untagged, port - 1) ? Member::Untagged : Member::Tagged;
}

QString portsText(const QList<int> &ports)
{
    return (ports.size() == 1 ? QStringLiteral("port ") : QStringLiteral("ports ")) + QxPortList::rangesText(ports);
}

} // namespace

void QxVlanMatrix::take(QList<Vlan> vlans, std::map<int, int> pvids)
{
    m_vlans = std::move(vlans);
    m_pvids = std::move(pvids);
    std::erase_if(m_wanted, [this](const auto &wanted) {
        const auto &[vlanId, port] = wanted.first;
        return rowOf(vlanId) < 0 || readById(vlanId, port) == wanted.second;
    });
    std::erase_if(m_owed, [this](const auto &owed) { return pvid(owed.first) == owed.second; });
}

void QxVlanMatrix::discardChanges()
{
    m_wanted.clear();
    m_owed.clear();
}

int QxVlanMatrix::rowOf(int vlanId) const
{
    for (qsizetype row = 0; row < m_vlans.size(); ++row)
        if (m_vlans[row].id == vlanId)
            return int(row);
    return -1;
}

int QxVlanMatrix::pvid(int port) const
{
    const auto found = m_pvids.find(port);
    return found == m_pvids.end() ? 0 : found->second;
}

QxVlanMatrix::Member QxVlanMatrix::readById(int vlanId, int port) const
{
    const int row = rowOf(vlanId);
    return row < 0 ? Member::None : read(row, port);
}

QxVlanMatrix::Member QxVlanMatrix::shownById(int vlanId, int port) const
{
    const auto wanted = m_wanted.find({vlanId, port});
    return wanted != m_wanted.end() ? wanted->second : readById(vlanId, port);
}

QxVlanMatrix::Member QxVlanMatrix::read(int row, int port) const
{
    if (row < 0 || row >= m_vlans.size())
        return Member::None;
    const Vlan &vlan = m_vlans[row];
    return memberIn(vlan.egress, vlan.untagged, port);
}

QxVlanMatrix::Member QxVlanMatrix::shown(int row, int port) const
{
    return row < 0 || row >= m_vlans.size() ? Member::None : shownById(m_vlans[row].id, port);
}

bool QxVlanMatrix::changed(int row, int port) const
{
    return row >= 0 && row < m_vlans.size() && m_wanted.contains({m_vlans[row].id, port});
}

bool QxVlanMatrix::hasChanges() const
{
    return !m_wanted.empty() || !m_owed.empty();
}

void QxVlanMatrix::cycle(int row, int port)
{
    if (row < 0 || row >= m_vlans.size() || port < 1 || port > Ports)
        return;
    const Member now = shown(row, port);
    const Member next = now == Member::None       ? Member::Untagged
                        : now == Member::Untagged ? Member::Tagged
                                                  : Member::None;
    const std::pair<int, int> key{m_vlans[row].id, port};
    if (next == read(row, port))
        m_wanted.erase(key);
    else
        m_wanted[key] = next;
}

void QxVlanMatrix::owePvids(const QList<PvidWrite> &pvids)
{
    for (const PvidWrite &w : pvids)
        m_owed[w.port] = w.to;
}

std::optional<QxVlanMatrix::PvidWrite> QxVlanMatrix::pvidFor(int port, QString &refusal) const
{
    const int current = pvid(port);
    if (current == 0 || shownById(current, port) == Member::Untagged)
        return std::nullopt;
    QList<int> madeUntagged;
    for (const auto &[key, member] : m_wanted)
        if (key.second == port && member == Member::Untagged)
            madeUntagged << key.first;
    if (madeUntagged.size() == 1)
        return PvidWrite{port, current, madeUntagged.first()};
    if (madeUntagged.size() > 1) {
        refusal = QStringLiteral("port %1 would be untagged in VLANs %2; leave it untagged in one.")
                      .arg(port)
                      .arg(QxPortList::rangesText(madeUntagged));
        return std::nullopt;
    }
    // Still in the VLAN of its PVID (made tagged there), or never in it: its
    // untagged frames go where they went.
    if (readById(current, port) == Member::None || shownById(current, port) != Member::None)
        return std::nullopt;
    if (current != DefaultVlan && shownById(DefaultVlan, port) == Member::Untagged)
        return PvidWrite{port, current, DefaultVlan};
    refusal = QStringLiteral("port %1 would leave VLAN %2 (its PVID) and is untagged in no VLAN to take instead.")
                  .arg(port)
                  .arg(current);
    return std::nullopt;
}

QxVlanMatrix::Plan QxVlanMatrix::plan() const
{
    Plan plan;
    std::set<int> ports;
    for (const Vlan &vlan : m_vlans) {
        VlanWrite w{vlan.id, vlan.name, vlan.egress, vlan.untagged, vlan.egress, vlan.untagged, {}, {}, {}, {}, {}};
        for (int port = 1; port <= Ports; ++port) {
            const auto wanted = m_wanted.find({vlan.id, port});
            if (wanted == m_wanted.end())
                continue;
            const Member before = memberIn(vlan.egress, vlan.untagged, port);
            const Member after = wanted->second;
            QxPortList::setBit(w.egress, port - 1, after != Member::None);
            QxPortList::setBit(w.untagged, port - 1, after == Member::Untagged);
            if (before == Member::None)
                (after == Member::Untagged ? w.addedUntagged : w.addedTagged) << port;
            else if (after == Member::None)
                w.removed << port;
            else
                (after == Member::Tagged ? w.nowTagged : w.nowUntagged) << port;
            ports.insert(port);
        }
        if (w.egress != vlan.egress || w.untagged != vlan.untagged)
            plan.vlans << w;
    }
    for (int port : ports) {
        if (const std::optional<PvidWrite> change = pvidFor(port, plan.refusal))
            plan.pvids << *change;
        if (!plan.refusal.isEmpty())
            return plan;
    }
    // What an earlier apply could not write, while the membership still calls for it.
    for (const auto &[port, vlanId] : m_owed) {
        const bool planned = std::any_of(plan.pvids.cbegin(), plan.pvids.cend(),
                                         [port](const PvidWrite &w) { return w.port == port; });
        if (!planned && pvid(port) != vlanId && shownById(vlanId, port) == Member::Untagged)
            plan.pvids << PvidWrite{port, pvid(port), vlanId};
    }
    return plan;
}

QChar QxVlanMatrix::letter(Member member)
{
    switch (member) {
    case Member::Untagged:
        return QLatin1Char('U');
    case Member::Tagged:
        return QLatin1Char('T');
    case Member::None:
        break;
    }
    return QLatin1Char(' ');
}

QString QxVlanMatrix::describe(const Plan &plan)
{
    QStringList lines;
    for (const VlanWrite &w : plan.vlans) {
        QStringList what;
        const auto add = [&what](const QList<int> &ports, const char *how) {
            if (!ports.isEmpty())
                what << portsText(ports) + QLatin1Char(' ') + QString::fromUtf8(how);
        };
        add(w.addedUntagged, "added untagged");
        add(w.addedTagged, "added tagged");
        add(w.removed, "removed");
        add(w.nowTagged, "untagged \u2192 tagged");
        add(w.nowUntagged, "tagged \u2192 untagged");
        const QString name = w.name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(w.name);
        lines << QStringLiteral("VLAN %1%2: %3").arg(w.id).arg(name, what.join(QStringLiteral("; ")));
    }
    for (const PvidWrite &p : plan.pvids)
        lines << QStringLiteral("PVID of port %1: %2 \u2192 %3").arg(p.port).arg(p.from).arg(p.to);
    return lines.join(QLatin1Char('\n'));
}
