#pragma once
#include "sim/SimOptions.h"
#include "sim/SimSwitch.h"

#include <chrono>
#include <csignal>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct netsnmp_mib_handler_s;
struct netsnmp_handler_registration_s;
struct netsnmp_agent_request_info_s;
struct netsnmp_request_info_s;
struct netsnmp_transport_s;
struct snmp_session;
struct snmp_pdu;

// The SNMP side of the simulator: net-snmp's agent library with one generic
// handler over the served subtrees. It listens on one UDP port per switch
// and hands each request to the switch of the port it arrived on.
class SimAgent final
{
public:
    using Clock = std::chrono::steady_clock;

    // Switch i listens on options.listenAddress(i).
    SimAgent(const SimOptions &options, std::vector<std::unique_ptr<SimSwitch>> switches);
    ~SimAgent();
    SimAgent(const SimAgent &) = delete;
    SimAgent &operator=(const SimAgent &) = delete;

    // Opens the listening transports; false with *error set when that fails.
    bool start(std::string *error);
    // Serves requests until *stop becomes non-zero.
    void run(const volatile std::sig_atomic_t *stop);
    // Writes every switch's state to its --save file, if one was given.
    bool saveState(std::string *error) const;

private:
    using ReceiveFunction = int (*)(netsnmp_transport_s *, void *, int, void **, int *);
    using SendFunction = int (*)(netsnmp_transport_s *, const void *, int, void **, int *);
    using DispatchFunction = int (*)(int, snmp_session *, int, snmp_pdu *, void *);

    struct DelayedReply
    {
        Clock::time_point due;
        std::string packet;
        std::string address;
    };
    // One switch as the network sees it: the transport it listens on, the
    // library's functions the hooks stand in front of, its replies held back.
    struct Endpoint
    {
        std::unique_ptr<SimSwitch> device;
        netsnmp_transport_s *transport = nullptr;
        ReceiveFunction receive = nullptr;
        SendFunction send = nullptr;
        DispatchFunction dispatch = nullptr;
        std::deque<DelayedReply> delayed;
    };

    static int handle(netsnmp_mib_handler_s *handler, netsnmp_handler_registration_s *registration,
                      netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
    static int receiveHook(netsnmp_transport_s *transport, void *buffer, int size, void **opaque, int *length);
    static int sendHook(netsnmp_transport_s *transport, const void *buffer, int size, void **opaque, int *length);
    // Meets GETBULK requests as the fault object says, before the agent sees them.
    static int bulkGate(int operation, snmp_session *session, int requestId, snmp_pdu *pdu, void *magic);

    // Hooks every listening session of the library and files it under its switch.
    bool attachSessions(std::string *error);
    // The switch a session or transport serves; with one switch always that one.
    Endpoint &endpointOf(const snmp_session *session);
    Endpoint &endpointOf(const netsnmp_transport_s *transport);
    void sendDueReplies(Endpoint &endpoint, Clock::time_point now, bool all);
    void registerSubtrees();

    const SimOptions &m_options;
    // Never resized after construction: the lookup tables point into it.
    std::vector<Endpoint> m_endpoints;
    // Every packet looks its switch up here, so the lookup must not grow with the switches.
    std::unordered_map<const netsnmp_transport_s *, Endpoint *> m_byTransport;
    std::unordered_map<const snmp_session *, Endpoint *> m_bySession;
    bool m_started = false;

    // net-snmp's transport callbacks carry no user pointer; the one agent of
    // the process is found through this.
    static SimAgent *s_instance;
};
