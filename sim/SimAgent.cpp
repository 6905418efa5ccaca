#include "sim/SimAgent.h"

#include "sim/SimControl.h"
#include "EnterpriseBase.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <sys/select.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

extern "C" {
// MIB modules of libnetsnmpmibs: VACM and USM tables, engine and statistics scalars.
void init_vacm_vars(void);
void init_usmUser(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
extern netsnmp_session *main_session;
}

SimAgent *SimAgent::s_instance = nullptr;

namespace {

const char appName[] = "nx2400p-sim";

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

SimAgent::SimAgent(const SimOptions &options, SimObjectStore &store, SimLive &live, SimFaults &faults)
    : m_options(options), m_store(store), m_live(live), m_faults(faults)
{
    s_instance = this;
}

SimAgent::~SimAgent()
{
    if (m_started) {
        sendDueReplies(Clock::now(), true);
        snmp_shutdown(appName);
    }
    if (s_instance == this)
        s_instance = nullptr;
}

void SimAgent::registerSubtrees()
{
    // One registration per served subtree, all with the same handler.
    std::vector<SimOid> roots = {SimOid::of("1.3.6.1.2.1"), SimOid::of("1.3.6.1.4.1"), SimOid::of("1.0.8802"),
                                 SimOid::of("1.3.6.1.6.3.12"), SimOid::of("1.3.6.1.6.3.13"),
                                 SimOid::of("1.3.6.1.6.3.18"), SimOid::of(SimControl::root)};
    const SimOid enterprise = SimOid::of("E");
    if (!enterprise.startsWith(SimOid::of("1.3.6.1.4.1")))
        roots.push_back(enterprise);
    for (const SimOid &root : roots) {
        std::vector<oid> arcs = toNetSnmp(root);
        netsnmp_handler_registration *registration = netsnmp_create_handler_registration(
            appName, &SimAgent::handle, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
        registration->handler->myvoid = this;
        netsnmp_register_handler(registration);
    }
}

bool SimAgent::start(std::string *error)
{
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, m_options.listen.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    // Numeric OIDs only: no MIB files are loaded (none are installed anyway).
    setenv("MIBS", "", 1);
    netsnmp_set_mib_directory("");
    snmp_enable_stderrlog();
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    static char noSmux[] = "-smux";
    add_to_init_list(noSmux);

    init_agent(appName);
    init_vacm_vars();
    init_usmUser();
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    registerSubtrees();

    auto config = [](const std::string &line) {
        std::vector<char> text(line.begin(), line.end());
        text.push_back('\0');
        netsnmp_config(text.data());
    };
    // Access first, so the library finds it configured when it finishes reading its configuration.
    config("rocommunity " + m_options.roCommunity + " default");
    config("rwcommunity " + m_options.rwCommunity + " default");
    for (const SimOptions::User &user : m_options.users)
        config("rwuser " + user.name + " noauth"); // the weakest level the user allows; stronger ones work too
    init_snmp(appName);
    m_started = true;
    // Users are keyed to the engine ID, which exists only now.
    for (const SimOptions::User &user : m_options.users) {
        std::string line = "createUser " + user.name;
        if (user.auth != "none") {
            line += " " + user.auth + " \"" + user.authPass + "\"";
            // The library's words for the longer AES keys have no dash.
            const std::string priv = user.priv == "AES-192" ? "AES192" : user.priv == "AES-256" ? "AES256" : user.priv;
            if (!user.priv.empty())
                line += " " + priv + " \"" + user.privPass + "\"";
        }
        config(line);
    }

    if (init_master_agent() != 0 || !main_session) {
        *error = "cannot listen on " + m_options.listen;
        return false;
    }
    void *session = snmp_sess_pointer(main_session);
    m_transport = session ? snmp_sess_transport(session) : nullptr;
    if (!m_transport) {
        *error = "cannot listen on " + m_options.listen;
        return false;
    }
    m_receive = m_transport->f_recv;
    m_send = m_transport->f_send;
    m_transport->f_recv = &SimAgent::receiveHook;
    m_transport->f_send = &SimAgent::sendHook;
    m_dispatch = main_session->callback;
    main_session->callback = &SimAgent::bulkGate;
    return true;
}

int SimAgent::receiveHook(netsnmp_transport_s *transport, void *buffer, int size, void **opaque, int *length)
{
    SimAgent *self = s_instance;
    int received = self->m_receive(transport, buffer, size, opaque, length);
    if (received > 0 && self->m_faults.dropRequest(Clock::now())) {
        if (opaque && *opaque) {
            free(*opaque);
            *opaque = nullptr;
        }
        if (length)
            *length = 0;
        // An empty packet is what net-snmp lets a transport hand back to say "nothing to process".
        transport->flags |= NETSNMP_TRANSPORT_FLAG_EMPTY_PKT;
        return 0;
    }
    return received;
}

int SimAgent::sendHook(netsnmp_transport_s *transport, const void *buffer, int size, void **opaque, int *length)
{
    SimAgent *self = s_instance;
    const int delay = self->m_faults.delayMs();
    if (delay <= 0 || size <= 0)
        return self->m_send(transport, buffer, size, opaque, length);
    DelayedReply reply;
    reply.due = Clock::now() + std::chrono::milliseconds(delay);
    reply.packet.assign(static_cast<const char *>(buffer), static_cast<std::size_t>(size));
    if (opaque && *opaque && length && *length > 0)
        reply.address.assign(static_cast<const char *>(*opaque), static_cast<std::size_t>(*length));
    self->m_delayed.push_back(std::move(reply));
    return size;
}

int SimAgent::bulkGate(int operation, netsnmp_session *session, int requestId, netsnmp_pdu *pdu, void *magic)
{
    SimAgent *self = s_instance;
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_GETBULK) {
        switch (self->m_faults.bulkMode()) {
        case SimControl::BulkIgnored:
            return 1; // taken, and never answered
        case SimControl::BulkRefused: {
            netsnmp_pdu *reply = snmp_clone_pdu(pdu);
            if (!reply)
                return 1;
            reply->command = SNMP_MSG_RESPONSE;
            reply->errstat = SNMP_ERR_GENERR;
            reply->errindex = 1;
            if (!snmp_send(session, reply))
                snmp_free_pdu(reply);
            return 1;
        }
        default:
            break;
        }
    }
    return self->m_dispatch(operation, session, requestId, pdu, magic);
}

void SimAgent::sendDueReplies(Clock::time_point now, bool all)
{
    while (!m_delayed.empty() && (all || m_delayed.front().due <= now)) {
        DelayedReply reply = std::move(m_delayed.front());
        m_delayed.pop_front();
        void *address = nullptr;
        int length = static_cast<int>(reply.address.size());
        if (length > 0) {
            address = malloc(reply.address.size());
            std::memcpy(address, reply.address.data(), reply.address.size());
        }
        m_send(m_transport, reply.packet.data(), static_cast<int>(reply.packet.size()), &address, &length);
        free(address);
    }
}

int SimAgent::handle(netsnmp_mib_handler_s *handler, netsnmp_handler_registration_s *registration,
                     netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests)
{
    auto *self = static_cast<SimAgent *>(handler->myvoid);
    // Nothing may unwind through the library's C frames.
    try {
        self->m_live.refresh(Clock::now());
        switch (info->mode) {
        case MODE_GET:
            self->answerGet(info, requests);
            break;
        case MODE_GETNEXT:
            self->answerGetNext(registration, info, requests);
            break;
        default:
            self->answerSet(info, requests);
            break;
        }
    } catch (const std::exception &e) {
        snmp_log(LOG_ERR, "nx2400p-sim: %s\n", e.what());
        netsnmp_request_set_error_all(requests, SNMP_ERR_GENERR);
    }
    return SNMP_ERR_NOERROR;
}

void SimAgent::answerGet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests)
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

void SimAgent::answerGetNext(netsnmp_handler_registration_s *registration, netsnmp_agent_request_info_s *info,
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

void SimAgent::answerSet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests)
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

namespace {
// How long an update file's transfer takes.
constexpr auto TransferTime = std::chrono::seconds(3);
} // namespace

void SimAgent::recordSet(const std::vector<SimSetTransaction::Binding> &bindings)
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

void SimAgent::perform(const std::vector<SimLive::Action> &actions)
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

bool SimAgent::saveState(std::string *error) const
{
    if (m_options.saveFile.empty())
        return true;
    std::ofstream out(m_options.saveFile, std::ios::trunc);
    out << m_store.records();
    out.close();
    if (!out) {
        *error = "cannot write " + m_options.saveFile;
        return false;
    }
    return true;
}

void SimAgent::finishTransfers(Clock::time_point now)
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

void SimAgent::run(const volatile std::sig_atomic_t *stop)
{
    while (!*stop) {
        int fds = 0;
        fd_set readable;
        FD_ZERO(&readable);
        struct timeval timeout = {0, 0};
        int block = 1;
        snmp_select_info(&fds, &readable, &timeout, &block);
        // Wake at least every 50 ms for delayed replies, reboots and the stop flag.
        auto wait = std::chrono::microseconds(50000);
        if (!block)
            wait = std::min(wait, std::chrono::microseconds(timeout.tv_sec * 1000000ll + timeout.tv_usec));
        const auto now = Clock::now();
        if (!m_delayed.empty())
            wait = std::min(wait, std::max(std::chrono::microseconds(0),
                                           std::chrono::duration_cast<std::chrono::microseconds>(m_delayed.front().due - now)));
        struct timeval tv = {static_cast<time_t>(wait.count() / 1000000), static_cast<suseconds_t>(wait.count() % 1000000)};
        const int count = select(fds, &readable, nullptr, nullptr, &tv);
        if (count > 0)
            snmp_read(&readable);
        else if (count == 0)
            snmp_timeout();
        else if (errno != EINTR)
            break;
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
        const auto after = Clock::now();
        sendDueReplies(after, false);
        finishTransfers(after);
        if (m_rebooting && after >= m_rebootDone) {
            m_rebooting = false;
            if (m_factoryReset) {
                m_factoryReset = false;
                m_store.loadFactory();
                m_live.start(after);
            }
            m_live.restartClock(after);
        }
    }
}
