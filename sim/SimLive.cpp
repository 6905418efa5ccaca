#include "sim/SimLive.h"

#include "sim/SimMib.h"
#include "sim/SimRange.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

namespace {

const char ifOperStatus[] = "1.3.6.1.2.1.2.2.1.8";
const char ifSpeed[] = "1.3.6.1.2.1.2.2.1.5";
const char ifHighSpeed[] = "1.3.6.1.2.1.31.1.1.1.15";
const char ifLastChange[] = "1.3.6.1.2.1.2.2.1.9";
const char vlanStaticEntry[] = "1.3.6.1.2.1.17.7.1.4.3.1";
const char vlanCurrentTable[] = "1.3.6.1.2.1.17.7.1.4.2";
const char vlanCurrentEntry[] = "1.3.6.1.2.1.17.7.1.4.2.1";
const char numVlans[] = "1.3.6.1.2.1.17.7.1.1.4.0";
const char numDeletes[] = "1.3.6.1.2.1.17.7.1.4.1.0";
const char tpFdbEntry[] = "1.3.6.1.2.1.17.7.1.2.2.1";
const char fdbDynamicCount[] = "1.3.6.1.2.1.17.7.1.2.1.1.2.1";
const char pingCtlEntry[] = "1.3.6.1.2.1.80.1.2.1";
const char pingResultsEntry[] = "1.3.6.1.2.1.80.1.3.1";

// LED bytes: state 0x01 = off; 0x80 = blinking (traffic). Colour codes index
// the module's colour maps: 1 orange (10 Mb/s), 2 green (100 Mb/s), 3 green (1 Gb/s).
constexpr unsigned char ledOff = 0x01;
constexpr unsigned char ledActivity = 0x80;

} // namespace

SimLive::SimLive(SimObjectStore &store)
    : m_store(store)
    , m_sysUpTime(SimOid::of("1.3.6.1.2.1.1.3.0"))
    , m_devUpTime(SimOid::of("E.11.63.7.2.1.1.1.0"))
    , m_ledStatus(SimOid::of("E.11.63.7.2.1.1.5.0"))
    , m_portsInUse(SimOid::of("E.11.63.7.2.1.1.3.0"))
    , m_poe(store)
{
}

void SimLive::start(Clock::time_point now)
{
    m_start = now;
    m_grown = now;
    const SimOid oper = SimOid::of(ifOperStatus);
    for (unsigned port = 1; port <= portCount; ++port)
        m_cable[port] = m_store.intAt(oper.child(port), 2) == 1;
    m_poe.findDevices();
    m_linksKnown = false;
    updateLinks();
    updateVlanCurrent();
    refresh(now);
}

void SimLive::restartClock(Clock::time_point now)
{
    m_start = now;
    m_grown = now;
    refresh(now);
}

bool SimLive::adminUp(unsigned port) const
{
    for (std::size_t i = 0; i < SimMib::adminRuleCount; ++i) {
        const SimAdminRule &rule = SimMib::adminRules[i];
        const SimOid column = SimOid::of(rule.column).child(port);
        // Every row of the port (the vendor table has one per medium).
        for (auto *it = m_store.next(column); it && it->first.startsWith(column); it = m_store.next(it->first))
            if (it->second.value.asInt() == rule.downValue)
                return false;
        if (const SimCell *cell = m_store.find(column); cell && cell->value.asInt() == rule.downValue)
            return false;
    }
    return true;
}

bool SimLive::portLinked(unsigned port) const
{
    if (port == cpuInterface)
        return true;
    return port >= 1 && port <= portCount && m_cable[port] && adminUp(port);
}

void SimLive::updateLinks()
{
    unsigned inUse = 0;
    const SimOid lastChange = SimOid::of(ifLastChange);
    const SimCell *upTime = m_store.find(m_sysUpTime);
    for (unsigned port = 1; port <= portCount; ++port) {
        const bool linked = portLinked(port);
        inUse += linked;
        // ifLastChange records when a port's link last went up or down.
        if (m_linksKnown && linked != m_linked[port] && upTime)
            if (SimCell *cell = m_store.find(lastChange.child(port)))
                cell->value = upTime->value;
        m_linked[port] = linked;
        for (std::size_t i = 0; i < SimMib::linkRuleCount; ++i) {
            const SimAdminRule &rule = SimMib::linkRules[i];
            const SimOid instance = SimOid::of(rule.column).child(port);
            if (SimCell *cell = m_store.find(instance))
                cell->value = SimValue::integer(linked ? rule.upValue : rule.downValue);
        }
    }
    m_linksKnown = true;
    if (SimCell *cell = m_store.find(m_portsInUse))
        cell->value = SimValue::integer(inUse);
    updateLedString();
    m_poe.update(m_linked);
}

void SimLive::updateLedString()
{
    SimCell *cell = m_store.find(m_ledStatus);
    if (!cell)
        return;
    std::string bytes;
    bool traffic = false;
    for (unsigned port = 1; port <= portCount; ++port)
        traffic = traffic || portLinked(port);
    bytes += static_cast<char>(traffic ? 0x82 : 0x02); // activity: green, blinking with traffic
    bytes += static_cast<char>(0x02);                  // PoE: green
    bytes += static_cast<char>(0x02);                  // power: green
    bytes += static_cast<char>(0x00);                  // console: not in use
    const SimOid speed = SimOid::of(ifSpeed);
    for (unsigned port = 1; port <= portCount; ++port) {
        if (!portLinked(port)) {
            bytes += static_cast<char>(ledOff);
            bytes += static_cast<char>(0x00);
            continue;
        }
        const std::int64_t bps = m_store.intAt(speed.child(port), 100000000);
        unsigned char colour = bps >= 1000000000 ? 3 : (bps >= 100000000 && port <= 24 ? 2 : 1);
        bytes += static_cast<char>(ledActivity);
        bytes += static_cast<char>(colour);
    }
    cell->value = SimValue::octets(SimValue::OctetString, bytes);
}

void SimLive::collectCounters()
{
    std::vector<Counter> counters;
    m_octetGrowth.fill(0);
    for (const auto &[oid, cell] : m_store.cells()) {
        if (!cell.def || !cell.def->growth)
            continue;
        SimOid suffix;
        if (!m_store.objectFor(oid, &suffix) || suffix.empty() || suffix[0] > cpuInterface)
            continue;
        Counter counter{oid, cell.def->growth, cell.def->flow, suffix[0]};
        counter.cell = m_store.find(oid);
        // A counter that stays keeps what it has grown but not yet shown (both
        // lists are in OID order).
        auto kept = std::lower_bound(m_counters.begin(), m_counters.end(), oid,
                                     [](const Counter &c, const SimOid &o) { return c.oid < o; });
        if (kept != m_counters.end() && kept->oid == oid)
            counter.uncounted = kept->uncounted;
        if (counter.flow == SimFlow::Received || counter.flow == SimFlow::Sent)
            m_octetGrowth[counter.port] = std::max(m_octetGrowth[counter.port], counter.growth);
        counters.push_back(std::move(counter));
    }
    m_counters = std::move(counters);
    m_countersGeneration = m_store.generation();
}

double SimLive::loadCeiling(unsigned port) const
{
    std::int64_t bitsPerSecond = m_store.intAt(SimOid::of(ifSpeed).child(port), 0);
    if (bitsPerSecond >= 0xFFFFFFFF) // beyond ifSpeed: ifHighSpeed has it in Mb/s
        bitsPerSecond = m_store.intAt(SimOid::of(ifHighSpeed).child(port), 0) * 1000000;
    // Speed 0 is a port without a known bandwidth (the CPU interface).
    if (bitsPerSecond <= 0 || m_octetGrowth[port] == 0)
        return std::numeric_limits<double>::infinity();
    return static_cast<double>(bitsPerSecond) / 8 / m_octetGrowth[port];
}

void SimLive::refresh(Clock::time_point now)
{
    const auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_start).count() / 10;
    const SimValue upTime = SimValue::unsignedOf(SimValue::TimeTicks, static_cast<std::uint64_t>(ticks));
    if (SimCell *cell = m_store.find(m_sysUpTime))
        cell->value = upTime;
    if (SimCell *cell = m_store.find(m_devUpTime))
        cell->value = upTime;

    using Seconds = std::chrono::duration<double>;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_grown);
    // A walk asks many times a millisecond; the counters move every few ms,
    // finely enough for any rate measured over seconds.
    if (elapsed < GrowthStep)
        return;
    const double from = std::chrono::duration_cast<Seconds>(m_grown - m_start).count();
    const double to = from + std::chrono::duration_cast<Seconds>(elapsed).count();
    m_grown += elapsed;
    if (m_countersGeneration != m_store.generation())
        collectCounters();
    std::array<SimPortTraffic::Loads, cpuInterface + 1> loads{};
    for (unsigned port = 1; port <= cpuInterface; ++port)
        if (portLinked(port))
            loads[port] = m_traffic.loads(port, from, to, loadCeiling(port));
    for (Counter &counter : m_counters) {
        const double due = counter.uncounted + counter.growth * loads[counter.port].of(counter.flow);
        const double whole = std::floor(due);
        counter.uncounted = due - whole;
        if (whole > 0 && counter.cell)
            counter.cell->value.grow(static_cast<std::uint64_t>(whole));
    }
}

void SimLive::clearCounters()
{
    if (m_countersGeneration != m_store.generation())
        collectCounters();
    for (Counter &counter : m_counters) {
        counter.uncounted = 0;
        if (SimCell *cell = m_store.find(counter.oid))
            cell->value = SimValue::unsignedOf(cell->value.tag(), 0);
    }
}

void SimLive::updateVlanCurrent()
{
    const SimTable *current = m_store.tableAt(SimOid::of(vlanCurrentEntry));
    const SimOid staticEntry = SimOid::of(vlanStaticEntry);
    const SimOid statusColumn = staticEntry.child(5);
    if (!current || !m_store.find(SimOid::of(numVlans)))
        return;
    // The VLANs in use until now, with the time each was created: a VLAN that
    // stays keeps its time, one that has gone counts as a deletion.
    const SimOid creationColumn = current->entry().child(7);
    std::map<SimOid::Arc, SimValue> before;
    for (auto *it = m_store.next(creationColumn); it && it->first.startsWith(creationColumn);
         it = m_store.next(it->first)) {
        const SimOid row = it->first.suffix(creationColumn.size());
        if (row.size() == 2)
            before.emplace(row[1], it->second.value);
    }
    const SimCell *upTime = m_store.find(m_sysUpTime);
    m_store.eraseBelow(SimOid::of(vlanCurrentTable));
    unsigned count = 0;
    for (auto *it = m_store.next(statusColumn); it && it->first.startsWith(statusColumn); it = m_store.next(it->first)) {
        const SimOid vid = it->first.suffix(statusColumn.size());
        if (vid.size() != 1)
            continue;
        ++count;
        std::map<unsigned, SimValue> values;
        if (const SimCell *egress = m_store.find(staticEntry.child(2).concat(vid)))
            values[4] = egress->value;
        if (const SimCell *untagged = m_store.find(staticEntry.child(4).concat(vid)))
            values[5] = untagged->value;
        if (auto kept = before.find(vid[0]); kept != before.end()) {
            values[7] = kept->second;
            before.erase(kept);
        } else if (m_vlansKnown && upTime) {
            values[7] = upTime->value;
        }
        SimOid row(std::vector<SimOid::Arc>{0, vid[0]});
        m_store.createRow(*current, row, values);
    }
    m_store.put(SimOid::of(numVlans), SimValue::unsignedOf(SimValue::Gauge32, count));
    // The first update only takes over what was loaded; later ones count the
    // VLANs that went away.
    if (m_vlansKnown && !before.empty())
        if (SimCell *deletes = m_store.find(SimOid::of(numDeletes)))
            deletes->value = SimValue::unsignedOf(SimValue::Counter32,
                                                  static_cast<std::uint64_t>(deletes->value.asInt()) + before.size());
    m_vlansKnown = true;
}

std::vector<SimLive::Action> SimLive::afterCommit(const std::vector<SimSetTransaction::Binding> &bindings)
{
    std::vector<Action> actions;
    const SimOid staticEntry = SimOid::of(vlanStaticEntry);
    bool vlansChanged = false;
    for (const auto &binding : bindings) {
        if (binding.oid.startsWith(staticEntry))
            vlansChanged = true;
        // A port's admin state is kept alike in every column that carries it.
        for (std::size_t i = 0; i < SimMib::adminRuleCount; ++i) {
            const SimAdminRule &rule = SimMib::adminRules[i];
            const SimOid column = SimOid::of(rule.column);
            if (!binding.oid.startsWith(column) || binding.oid.size() <= column.size())
                continue;
            const unsigned port = binding.oid[column.size()];
            const bool up = binding.value.asInt() != rule.downValue;
            for (std::size_t j = 0; j < SimMib::adminRuleCount; ++j) {
                if (j == i)
                    continue;
                const SimAdminRule &other = SimMib::adminRules[j];
                const SimOid otherColumn = SimOid::of(other.column).child(port);
                if (SimCell *cell = m_store.find(otherColumn))
                    cell->value = SimValue::integer(up ? other.upValue : other.downValue);
                for (auto *it = m_store.next(otherColumn); it && it->first.startsWith(otherColumn);
                     it = m_store.next(it->first))
                    m_store.find(it->first)->value = SimValue::integer(up ? other.upValue : other.downValue);
            }
        }
        for (std::size_t i = 0; i < SimMib::triggerCount; ++i) {
            const SimTriggerDef &trigger = SimMib::triggers[i];
            if (binding.oid != SimOid::of(trigger.oid) || !SimRange::contains(trigger.values, binding.value.asInt()))
                continue;
            switch (trigger.action) {
            case SimAction::ClearCounters:
                clearCounters();
                break;
            case SimAction::DeleteLearnt:
                deleteLearntAddress();
                break;
            case SimAction::ClearTable:
            case SimAction::ResetValues: {
                std::istringstream targets(trigger.target);
                std::string target;
                while (std::getline(targets, target, ',')) {
                    const SimOid oid = SimOid::of(target);
                    SimOid suffix;
                    if (trigger.action == SimAction::ClearTable)
                        m_store.eraseBelow(oid);
                    else if (const SimObjectInfo *info = m_store.objectFor(oid, &suffix))
                        m_store.put(oid, m_store.initialValue(*info->def, suffix, false));
                }
                break;
            }
            default:
                actions.push_back({trigger.action, binding.value.asInt(), binding.oid});
                break;
            }
            m_store.put(binding.oid, SimValue::integer(trigger.idle));
        }
    }
    if (vlansChanged)
        updateVlanCurrent();
    updatePingResults(bindings);
    updateLinks();
    return actions;
}

void SimLive::updatePingResults(const std::vector<SimSetTransaction::Binding> &bindings)
{
    const SimTable *control = m_store.tableAt(SimOid::of(pingCtlEntry));
    const SimTable *results = m_store.tableAt(SimOid::of(pingResultsEntry));
    if (!control || !results)
        return;
    const SimOid entry = control->entry();
    for (const auto &binding : bindings) {
        if (!binding.oid.startsWith(entry) || binding.oid.size() <= entry.size() + 1)
            continue;
        const SimOid row = binding.oid.suffix(entry.size() + 1);
        if (!m_store.rowExists(*control, row)) {
            m_store.deleteRow(*results, row);
            continue;
        }
        // An enabled test runs at once: every probe answered, a few milliseconds each.
        if (m_store.intAt(entry.child(8).concat(row), 2) != 1 || m_store.rowExists(*results, row))
            continue;
        const std::uint64_t probes = static_cast<std::uint64_t>(m_store.intAt(entry.child(7).concat(row), 1));
        std::map<unsigned, SimValue> values;
        values[1] = SimValue::integer(2);
        values[2] = SimValue::integer(m_store.intAt(entry.child(3).concat(row), 1));
        if (const SimCell *target = m_store.find(entry.child(4).concat(row)))
            values[3] = target->value;
        values[4] = SimValue::unsignedOf(SimValue::Gauge32, 1);
        values[5] = SimValue::unsignedOf(SimValue::Gauge32, 3);
        values[6] = SimValue::unsignedOf(SimValue::Gauge32, 2);
        values[7] = SimValue::unsignedOf(SimValue::Gauge32, probes);
        values[8] = SimValue::unsignedOf(SimValue::Gauge32, probes);
        values[9] = SimValue::unsignedOf(SimValue::Gauge32, 5 * probes);
        values[10] = SimValue::octets(SimValue::OctetString, "2008-12-12,8:00:00.0");
        m_store.createRow(*results, row, values);
    }
}

void SimLive::deleteLearntAddress()
{
    const SimCell *vlanName = m_store.find(SimOid::of("E.11.63.7.2.15.3.1.0"));
    const SimCell *mac = m_store.find(SimOid::of("E.11.63.7.2.15.3.3.0"));
    const SimTable *fdb = m_store.tableAt(SimOid::of(tpFdbEntry));
    if (!vlanName || !mac || !fdb || mac->value.bytes().size() != 6)
        return;
    // The VLAN is named; the forwarding database knows it by its ID.
    const SimOid names = SimOid::of(vlanStaticEntry).child(1);
    for (auto *it = m_store.next(names); it && it->first.startsWith(names); it = m_store.next(it->first)) {
        if (it->second.value.bytes() != vlanName->value.bytes())
            continue;
        SimOid row = SimOid().child(it->first[names.size()]);
        for (unsigned char octet : mac->value.bytes())
            row = row.child(octet);
        // Only where it was learnt on the port given (one unit: the global
        // port number is the port).
        const SimCell *port = m_store.find(SimOid::of(tpFdbEntry).child(2).concat(row));
        if (port && port->value.asInt() == m_store.intAt(SimOid::of("E.11.63.7.2.15.3.2.0"), 0))
            m_store.deleteRow(*fdb, row);
        return;
    }
}

void SimLive::fillForwardingDatabase(unsigned n)
{
    const SimTable *table = m_store.tableAt(SimOid::of(tpFdbEntry));
    if (!table)
        return;
    std::vector<unsigned> ports;
    for (unsigned port = 1; port <= portCount; ++port)
        if (portLinked(port))
            ports.push_back(port);
    if (ports.empty())
        ports.push_back(1);
    for (unsigned i = 0; i < n; ++i) {
        // Locally administered addresses, numbered, spread over the ports with link.
        SimOid row(std::vector<SimOid::Arc>{1, 0x02, 0x50, 0x56, (i >> 16) & 0xFF, (i >> 8) & 0xFF, i & 0xFF});
        std::map<unsigned, SimValue> values;
        values[2] = SimValue::integer(ports[i % ports.size()]);
        values[3] = SimValue::integer(3);
        m_store.createRow(*table, row, values);
    }
    m_store.put(SimOid::of(fdbDynamicCount), SimValue::unsignedOf(SimValue::Counter32, n));
}
