#pragma once
#include "sim/SimFaults.h"
#include "sim/SimLive.h"
#include "sim/SimObjectStore.h"
#include "sim/SimOptions.h"
#include "sim/SimSetTransaction.h"

#include <chrono>
#include <csignal>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct netsnmp_mib_handler_s;
struct netsnmp_handler_registration_s;
struct netsnmp_agent_request_info_s;
struct netsnmp_request_info_s;
struct netsnmp_transport_s;
struct snmp_session;
struct snmp_pdu;

// The SNMP side of the simulator: net-snmp's agent library with one generic
// handler over the served subtrees, answering from the object store.
class SimAgent
{
public:
    using Clock = std::chrono::steady_clock;

    SimAgent(const SimOptions &options, SimObjectStore &store, SimLive &live, SimFaults &faults);
    ~SimAgent();
    SimAgent(const SimAgent &) = delete;
    SimAgent &operator=(const SimAgent &) = delete;

    // Opens the listening transport; false with *error set when that fails.
    bool start(std::string *error);
    // Serves requests until *stop becomes non-zero.
    void run(const volatile std::sig_atomic_t *stop);
    // Writes the state to the --save file, if one was given.
    bool saveState(std::string *error) const;

private:
    struct DelayedReply
    {
        Clock::time_point due;
        std::string packet;
        std::string address;
    };

    static int handle(netsnmp_mib_handler_s *handler, netsnmp_handler_registration_s *registration,
                      netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
    static int receiveHook(netsnmp_transport_s *transport, void *buffer, int size, void **opaque, int *length);
    static int sendHook(netsnmp_transport_s *transport, const void *buffer, int size, void **opaque, int *length);
    // Meets GETBULK requests as the fault object says, before the agent sees them.
    static int bulkGate(int operation, snmp_session *session, int requestId, snmp_pdu *pdu, void *magic);

    void answerGet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
    void answerGetNext(netsnmp_handler_registration_s *registration, netsnmp_agent_request_info_s *info,
                       netsnmp_request_info_s *requests);
    void answerSet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
    void perform(const std::vector<SimLive::Action> &actions);
    // Keeps the bindings of an applied SET where tests can read them.
    void recordSet(const std::vector<SimSetTransaction::Binding> &bindings);
    void sendDueReplies(Clock::time_point now, bool all);
    void registerSubtrees();

    const SimOptions &m_options;
    SimObjectStore &m_store;
    SimLive &m_live;
    SimFaults &m_faults;
    struct OpenSet
    {
        std::unique_ptr<SimSetTransaction> transaction;
        bool finished = false;
    };
    std::map<void *, OpenSet> m_transactions;
    std::deque<DelayedReply> m_delayed;
    netsnmp_transport_s *m_transport = nullptr;
    int (*m_receive)(netsnmp_transport_s *, void *, int, void **, int *) = nullptr;
    int (*m_send)(netsnmp_transport_s *, const void *, int, void **, int *) = nullptr;
    int (*m_dispatch)(int, snmp_session *, int, snmp_pdu *, void *) = nullptr;
    Clock::time_point m_rebootDone{};
    // Update-file transfers under way: the control goes back to inactive when due.
    struct Transfer
    {
        SimOid control;
        Clock::time_point due;
    };
    std::vector<Transfer> m_transfers;
    void finishTransfers(Clock::time_point now);
    bool m_rebooting = false;
    bool m_factoryReset = false;
    bool m_started = false;

    // net-snmp's transport callbacks carry no user pointer; the one agent of
    // the process is found through this.
    static SimAgent *s_instance;
};
