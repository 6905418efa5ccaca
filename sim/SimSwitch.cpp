#include "sim/SimSwitch.h"

#include "sim/SimControl.h"
#include "sim/SimMib.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <fstream>
#include <random>

namespace {

// How long an update file's transfer takes.
constexpr auto TransferTime = std::chrono::seconds(3);

SimOid toSimOid(const oid *name, std::size_t length)
{
    std::vector<SimOid::Arc> arcs(length);
    for (std::size_t i = 0; i < length; ++i)
        arcs[i] = static_cast<SimOid::Arc>(name[i]);
    return SimOid(std::move(arcs));
}

std::vector<oid> toNetSnmp(const SimOid &value)
{
    return std::vector<oid>(value.arcs().begin(), value.arcs().end());
}

void setVarbind(netsnmp_variable_list *vb, const SimValue &value)
{
    switch (value.tag()) {
    case SimValue::Integer: {
        long v = static_cast<long>(value.asInt());
        snmp_set_var_typed_value(vb, ASN_INTEGER, &v, sizeof v);
        break;
    }
    case SimValue::Counter32: case SimValue::Gauge32: case SimValue::TimeTicks: {
        u_long v = static_cast<u_long>(value.asUnsigned());
        snmp_set_var_typed_value(vb, value.tag(), &v, sizeof v);
        break;
    }
    case SimValue::Counter64: {
        counter64 v{static_cast<u_long>(value.asUnsigned() >> 32), static_cast<u_long>(value.asUnsigned() & 0xFFFFFFFFu)};
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &v, sizeof v);
        break;
    }
    case SimValue::OctetString: case SimValue::IpAddress: case SimValue::Opaque:
        snmp_set_var_typed_value(vb, value.tag(), value.bytes().data(), value.bytes().size());
        break;
    case SimValue::ObjectId: {
        std::vector<oid> arcs = toNetSnmp(value.oid());
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    case SimValue::Null:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        break;
    }
}

// False for types the store does not keep (the binding is then of the wrong type).
bool fromVarbind(const netsnmp_variable_list *vb, SimValue *value)
{
    switch (vb->type) {
    case ASN_INTEGER:
        *value = SimValue::integer(*vb->val.integer);
        return true;
    case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS:
        *value = SimValue::unsignedOf(static_cast<SimValue::Tag>(vb->type), static_cast<u_long>(*vb->val.integer));
        return true;
    case ASN_COUNTER64:
        *value = SimValue::unsignedOf(SimValue::Counter64,
                                      (static_cast<std::uint64_t>(vb->val.counter64->high) << 32)
                                          | (vb->val.counter64->low & 0xFFFFFFFFu));
        return true;
    case ASN_OCTET_STR: case ASN_IPADDRESS: case ASN_OPAQUE:
        *value = SimValue::octets(static_cast<SimValue::Tag>(vb->type),
                                  std::string(reinterpret_cast<const char *>(vb->val.string), vb->val_len));
        return true;
    case ASN_OBJECT_ID:
        *value = SimValue::objectId(toSimOid(vb->val.objid, vb->val_len / sizeof(oid)));
        return true;
    case ASN_NULL:
        *value = SimValue();
        return true;
    default:
        return false;
    }
}

} // namespace

SimSwitch::SimSwitch(const SimOptions &options, unsigned index)
    : m_options(options)
    , m_saveFile(options.saveFileFor(index))
    , m_store(SimMib::allParts())
    , m_live(m_store)
    , m_faults(m_store, options.seed ? *options.seed + index : std::random_device()())
{
}

std::vector<std::string> SimSwitch::load(std::string_view stateText, Clock::time_point now)
{
    m_store.loadFactory();
    if (!m_options.stateFile.empty()) {
        // The control subtree keeps its defaults unless the file says otherwise.
        const SimOid controlRoot = SimOid::of(SimControl::root);
        std::vector<std::pair<SimOid, SimValue>> controls;
        for (const auto &[oid, cell] : m_store.cells())
            if (oid.startsWith(controlRoot))
                controls.emplace_back(oid, cell.value);
        std::vector<std::string> errors = m_store.loadRecords(stateText, m_options.stateFile, true);
        if (!errors.empty())
            return errors;
        for (const auto &[oid, value] : controls)
            if (!m_store.find(oid))
                m_store.put(oid, value);
    }
    m_store.put(SimOid::of(SimControl::dropPercent), SimValue::integer(m_options.dropPercent));
    m_store.put(SimOid::of(SimControl::delayMs), SimValue::integer(m_options.delayMs));

    m_live.start(now);
    const unsigned fdbEntries
        = m_options.fdbEntries.value_or(m_options.stateFile.empty() ? SimOptions::factoryFdbEntries : 0);
    if (fdbEntries)
        m_live.fillForwardingDatabase(fdbEntries);
    return {};
}

void SimSwitch::answer(netsnmp_handler_registration_s *registration, netsnmp_agent_request_info_s *info,
                       netsnmp_request_info_s *requests)
{
    m_live.refresh(Clock::now());
    switch (info->mode) {
    case MODE_GET:
        answerGet(info, requests);
        break;
    case MODE_GETNEXT:
        answerGetNext(registration, info, requests);
        break;
    default:
        answerSet(info, requests);
        break;
    }
}

void SimSwitch::answerGet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests)
{
    for (netsnmp_request_info *request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        netsnmp_variable_list *vb = request->requestvb;
        const SimOid name = toSimOid(vb->name, vb->name_length);
        if (int status = m_faults.errorFor(name, false)) {
            netsnmp_set_request_error(info, request, status);
            continue;
        }
        const SimCell *cell = m_store.find(name);
        if (!cell) {
            // An index column is no object one may read; a missing row of a readable one is a missing instance.
            const SimObjectInfo *object = m_store.objectFor(name);
            const bool readable = object && object->def->access != SimAccess::NotAccessible;
            netsnmp_set_request_error(info, request, readable ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
            continue;
        }
        setVarbind(vb, m_faults.replyValue(name, cell->value));
    }
}

void SimSwitch::answerGetNext(netsnmp_handler_registration_s *registration, netsnmp_agent_request_info_s *info,
                             netsnmp_request_info_s *requests)
{
    const SimOid root = toSimOid(registration->rootoid, registration->rootoid_len);
    for (netsnmp_request_info *request = requests; request; request = request->next) {
        if (request->processed)
            continue;
        netsnmp_variable_list *vb = request->requestvb;
        const SimOid name = toSimOid(vb->name, vb->name_length);
        const auto *next = m_store.next(name);
        if (!next || !next->first.startsWith(root))
            continue; // nothing more here: the agent goes on in the next subtree
        if (int status = m_faults.errorFor(next->first, false)) {
            netsnmp_set_request_error(info, request, status);
            continue;
        }
        SimOid answer = next->first;
        switch (m_faults.nextMode(name)) {
        case SimControl::NextRepeat:
            answer = name;
            break;
        case SimControl::NextBackwards:
            if (const auto *previous = m_store.previous(name); previous && previous->first.startsWith(root))
                answer = previous->first;
            else
                answer = root;
            break;
        default:
            break;
        }
        std::vector<oid> arcs = toNetSnmp(answer);
        snmp_set_var_objid(vb, arcs.data(), arcs.size());
        setVarbind(vb, m_faults.replyValue(next->first, next->second.value));
    }
}

void SimSwitch::answerSet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests)
{
    // net-snmp calls every SET phase once per registration with the same
    // agent session, and ends a successful SET with COMMIT, a failed ACTION
    // with UNDO and a failed check with FREE. A session's transaction is
    // therefore reset when a finished one sees the first phase again.
    void *key = info->asp;
    auto &entry = m_transactions[key];
    if (!entry.transaction || (info->mode == MODE_SET_RESERVE1 && entry.finished)) {
        entry.transaction = std::make_unique<SimSetTransaction>(m_store);
        entry.finished = false;
    }
    SimSetTransaction &transaction = *entry.transaction;
    switch (info->mode) {
    case MODE_SET_RESERVE1:
        for (netsnmp_request_info *request = requests; request; request = request->next) {
            if (request->processed)
                continue;
            const SimOid name = toSimOid(request->requestvb->name, request->requestvb->name_length);
            SimValue value;
            int status = m_faults.errorFor(name, true);
            if (!status)
                status = fromVarbind(request->requestvb, &value) ? transaction.add(name, value)
                                                                : static_cast<int>(SimSetTransaction::WrongType);
            if (status) {
                netsnmp_set_request_error(info, request, status);
                return;
            }
        }
        break;
    case MODE_SET_RESERVE2:
        for (netsnmp_request_info *request = requests; request; request = request->next) {
            if (request->processed)
                continue;
            const SimOid name = toSimOid(request->requestvb->name, request->requestvb->name_length);
            if (int status = transaction.check(name)) {
                netsnmp_set_request_error(info, request, status);
                return;
            }
        }
        break;
    case MODE_SET_ACTION:
        if (!entry.finished)
            transaction.apply();
        break;
    case MODE_SET_UNDO:
        if (!entry.finished)
            transaction.undo();
        entry.finished = true;
        break;
    case MODE_SET_COMMIT:
        if (!entry.finished) {
            entry.finished = true;
            recordSet(transaction.bindings());
            perform(m_live.afterCommit(transaction.bindings()));
        }
        break;
    case MODE_SET_FREE:
        m_transactions.erase(key);
        break;
    default:
        break;
    }
}

void SimSwitch::recordSet(const std::vector<SimSetTransaction::Binding> &bindings)
{
    // Writes to the control subtree (fault injection) are the tests' own: they
    // leave the record of the switch's last SET as it was.
    const SimOid control = SimOid::of(SimControl::root);
    bool ownOnly = true;
    for (const SimSetTransaction::Binding &b : bindings)
        ownOnly = ownOnly && b.oid.startsWith(control);
    if (ownOnly)
        return;
    const SimOid entry = SimOid::of(SimControl::lastSetEntry);
    m_store.eraseBelow(entry);
    std::uint64_t n = 0;
    for (const SimSetTransaction::Binding &b : bindings) {
        ++n;
        // Appended piece by piece: GCC 12 at -O3 takes a literal + string for overlapping copies.
        std::string suffix = ".";
        suffix += std::to_string(n);
        m_store.put(SimOid::of(std::string(SimControl::lastSetEntry) + ".2" + suffix), SimValue::objectId(b.oid));
        m_store.put(SimOid::of(std::string(SimControl::lastSetEntry) + ".3" + suffix),
                    SimValue::octets(SimValue::OctetString, b.value.toRecord()));
    }
    if (SimCell *count = m_store.find(SimOid::of(SimControl::setCount)))
        count->value.grow(1);
}

void SimSwitch::perform(const std::vector<SimLive::Action> &actions)
{
    const auto now = Clock::now();
    auto bump = [this](const char *counter) {
        if (SimCell *cell = m_store.find(SimOid::of(counter)))
            cell->value.grow(1);
    };
    for (const SimLive::Action &action : actions) {
        switch (action.action) {
        case SimAction::Transfer:
            m_transfers.push_back({action.instance, now + TransferTime});
            break;
        case SimAction::TestMail: {
            bump(SimControl::testMailCount);
            const SimCell *subject = m_store.find(SimOid::of("E.12.29.1.5.0"));
            m_store.put(SimOid::of("E.12.29.2.1.0"),
                        SimValue::octets(SimValue::OctetString,
                                         "Test mail sent: " + (subject ? subject->value.bytes() : std::string())));
            break;
        }
        case SimAction::Save: {
            bump(SimControl::saveCount);
            std::string error;
            if (!saveState(&error))
                snmp_log(LOG_ERR, "%s\n", error.c_str());
            break;
        }
        case SimAction::Reboot:
        case SimAction::FactoryReboot: {
            bump(SimControl::rebootCount);
            const SimCell *seconds = m_store.find(SimOid::of(SimControl::rebootSeconds));
            const auto silence = std::chrono::seconds(seconds ? seconds->value.asInt() : 4);
            m_rebootDone = now + silence;
            m_rebooting = true;
            m_factoryReset = m_factoryReset || action.action == SimAction::FactoryReboot;
            m_faults.silenceUntil(m_rebootDone);
            break;
        }
        case SimAction::Silence:
            m_faults.silenceUntil(now + std::chrono::seconds(action.value));
            break;
        case SimAction::ClearFaults:
            m_faults.clear();
            break;
        default:
            break;
        }
    }
}

void SimSwitch::finishTransfers(Clock::time_point now)
{
    constexpr std::int64_t Inactive = 2;
    for (auto it = m_transfers.begin(); it != m_transfers.end();) {
        if (now < it->due) {
            ++it;
            continue;
        }
        m_store.put(it->control, SimValue::integer(Inactive));
        it = m_transfers.erase(it);
    }
}

void SimSwitch::tick(Clock::time_point now)
{
    finishTransfers(now);
    if (m_rebooting && now >= m_rebootDone) {
        m_rebooting = false;
        if (m_factoryReset) {
            m_factoryReset = false;
            m_store.loadFactory();
            m_live.start(now);
        }
        m_live.restartClock(now);
    }
}

bool SimSwitch::saveState(std::string *error) const
{
    if (m_saveFile.empty())
        return true;
    std::ofstream out(m_saveFile, std::ios::trunc);
    out << m_store.records();
    out.close();
    if (!out) {
        *error = "cannot write " + m_saveFile;
        return false;
    }
    return true;
}
