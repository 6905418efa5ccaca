#include "sim/SimAgent.h"

#include "sim/SimControl.h"
#include "EnterpriseBase.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

extern "C" {
// MIB modules of libnetsnmpmibs: VACM and USM tables, engine and statistics scalars.
void init_vacm_vars(void);
void init_usmUser(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
extern netsnmp_session *main_session;
// The library's open sessions. The agent opens one per listening address but
// names only the first (main_session); the others are found here to hook them.
extern struct session_list *Sessions;
}

SimAgent *SimAgent::s_instance = nullptr;

namespace {

const char appName[] = "nx2400p-sim";

// The local port a transport's socket is bound to (0 when it has none).
unsigned boundPort(const netsnmp_transport *transport)
{
    sockaddr_storage address = {};
    socklen_t length = sizeof address;
    if (!transport || transport->sock < 0
        || getsockname(transport->sock, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return 0;
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in *>(&address)->sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6 *>(&address)->sin6_port);
    return 0;
}

} // namespace

SimAgent::SimAgent(const SimOptions &options, std::vector<std::unique_ptr<SimSwitch>> switches)
    : m_options(options), m_endpoints(switches.size())
{
    for (std::size_t i = 0; i < switches.size(); ++i)
        m_endpoints[i].device = std::move(switches[i]);
    s_instance = this;
}

SimAgent::~SimAgent()
{
    if (m_started) {
        for (Endpoint &endpoint : m_endpoints)
            sendDueReplies(endpoint, Clock::now(), true);
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
        std::vector<oid> arcs(root.arcs().begin(), root.arcs().end());
        netsnmp_handler_registration *registration = netsnmp_create_handler_registration(
            appName, &SimAgent::handle, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
        registration->handler->myvoid = this;
        netsnmp_register_handler(registration);
    }
}

bool SimAgent::start(std::string *error)
{
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    // One listening address per switch; the library opens a session for each.
    std::string ports = m_options.listenAddress(0);
    for (unsigned i = 1; i < m_endpoints.size(); ++i)
        ports += "," + m_options.listenAddress(i);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
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
        *error = "cannot listen on " + m_options.listenDescription();
        return false;
    }
    return attachSessions(error);
}

bool SimAgent::attachSessions(std::string *error)
{
    auto attach = [this](Endpoint &endpoint, netsnmp_session *session, netsnmp_transport *transport) {
        endpoint.transport = transport;
        endpoint.receive = transport->f_recv;
        endpoint.send = transport->f_send;
        endpoint.dispatch = session->callback;
        transport->f_recv = &SimAgent::receiveHook;
        transport->f_send = &SimAgent::sendHook;
        session->callback = &SimAgent::bulkGate;
        m_byTransport[transport] = &endpoint;
        m_bySession[session] = &endpoint;
    };
    if (m_endpoints.size() == 1) {
        // Any address net-snmp takes, whatever its port: the session is the main one.
        void *session = snmp_sess_pointer(main_session);
        if (netsnmp_transport *transport = session ? snmp_sess_transport(session) : nullptr)
            attach(m_endpoints.front(), main_session, transport);
    } else {
        // The library opens the addresses in an order of its own; the port tells the switch.
        const unsigned firstPort = m_options.firstPort();
        for (session_list *open = Sessions; open; open = open->next) {
            const unsigned port = boundPort(open->transport);
            if (!open->session || port < firstPort || port - firstPort >= m_endpoints.size())
                continue;
            Endpoint &endpoint = m_endpoints[port - firstPort];
            if (!endpoint.transport)
                attach(endpoint, open->session, open->transport);
        }
    }
    for (unsigned i = 0; i < m_endpoints.size(); ++i)
        if (!m_endpoints[i].transport) {
            *error = "cannot listen on " + m_options.listenAddress(i);
            return false;
        }
    return true;
}

SimAgent::Endpoint &SimAgent::endpointOf(const netsnmp_transport_s *transport)
{
    if (m_endpoints.size() == 1)
        return m_endpoints.front();
    const auto found = m_byTransport.find(transport);
    return found != m_byTransport.end() ? *found->second : m_endpoints.front();
}

SimAgent::Endpoint &SimAgent::endpointOf(const snmp_session *session)
{
    if (m_endpoints.size() == 1)
        return m_endpoints.front();
    const auto found = m_bySession.find(session);
    return found != m_bySession.end() ? *found->second : m_endpoints.front();
}

int SimAgent::receiveHook(netsnmp_transport_s *transport, void *buffer, int size, void **opaque, int *length)
{
    Endpoint &endpoint = s_instance->endpointOf(transport);
    int received = endpoint.receive(transport, buffer, size, opaque, length);
    if (received > 0 && endpoint.device->faults().dropRequest(Clock::now())) {
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
    Endpoint &endpoint = s_instance->endpointOf(transport);
    const int delay = endpoint.device->faults().delayMs();
    if (delay <= 0 || size <= 0)
        return endpoint.send(transport, buffer, size, opaque, length);
    DelayedReply reply;
    reply.due = Clock::now() + std::chrono::milliseconds(delay);
    reply.packet.assign(static_cast<const char *>(buffer), static_cast<std::size_t>(size));
    if (opaque && *opaque && length && *length > 0)
        reply.address.assign(static_cast<const char *>(*opaque), static_cast<std::size_t>(*length));
    endpoint.delayed.push_back(std::move(reply));
    return size;
}

int SimAgent::bulkGate(int operation, netsnmp_session *session, int requestId, netsnmp_pdu *pdu, void *magic)
{
    Endpoint &endpoint = s_instance->endpointOf(session);
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_GETBULK) {
        switch (endpoint.device->faults().bulkMode()) {
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
    return endpoint.dispatch(operation, session, requestId, pdu, magic);
}

void SimAgent::sendDueReplies(Endpoint &endpoint, Clock::time_point now, bool all)
{
    while (!endpoint.delayed.empty() && (all || endpoint.delayed.front().due <= now)) {
        DelayedReply reply = std::move(endpoint.delayed.front());
        endpoint.delayed.pop_front();
        void *address = nullptr;
        int length = static_cast<int>(reply.address.size());
        if (length > 0) {
            address = malloc(reply.address.size());
            std::memcpy(address, reply.address.data(), reply.address.size());
        }
        endpoint.send(endpoint.transport, reply.packet.data(), static_cast<int>(reply.packet.size()), &address, &length);
        free(address);
    }
}

int SimAgent::handle(netsnmp_mib_handler_s *handler, netsnmp_handler_registration_s *registration,
                     netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests)
{
    auto *self = static_cast<SimAgent *>(handler->myvoid);
    // The request belongs to the switch whose port it arrived on, which its session tells.
    SimSwitch &device = *self->endpointOf(info->asp ? info->asp->session : nullptr).device;
    // Nothing may unwind through the library's C frames.
    try {
        device.answer(registration, info, requests);
    } catch (const std::exception &e) {
        snmp_log(LOG_ERR, "nx2400p-sim: %s\n", e.what());
        netsnmp_request_set_error_all(requests, SNMP_ERR_GENERR);
    }
    return SNMP_ERR_NOERROR;
}

bool SimAgent::saveState(std::string *error) const
{
    // Every switch saves even when one cannot: the first failure is reported.
    bool saved = true;
    for (const Endpoint &endpoint : m_endpoints) {
        std::string failure;
        if (!endpoint.device->saveState(&failure) && saved) {
            *error = failure;
            saved = false;
        }
    }
    return saved;
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
        for (const Endpoint &endpoint : m_endpoints)
            if (!endpoint.delayed.empty())
                wait = std::min(wait, std::max(std::chrono::microseconds(0),
                                               std::chrono::duration_cast<std::chrono::microseconds>(
                                                   endpoint.delayed.front().due - now)));
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
        for (Endpoint &endpoint : m_endpoints) {
            sendDueReplies(endpoint, after, false);
            endpoint.device->tick(after);
        }
    }
}
