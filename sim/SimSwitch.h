#pragma once
#include "sim/SimFaults.h"
#include "sim/SimLive.h"
#include "sim/SimObjectStore.h"
#include "sim/SimOptions.h"
#include "sim/SimSetTransaction.h"

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct netsnmp_handler_registration_s;
struct netsnmp_agent_request_info_s;
struct netsnmp_request_info_s;

// One simulated switch: its objects, the values that change by themselves,
// its faults, the SETs under way and what they set in motion (transfers,
// reboots, saves). The agent hands it the requests that arrived on its port;
// nothing here is shared with the process's other switches.
class SimSwitch final
{
public:
    using Clock = std::chrono::steady_clock;

    // Switch `index` of the process. With --seed its faults draw from
    // seed + index, so every switch drops its own, repeatable share.
    SimSwitch(const SimOptions &options, unsigned index);
    SimSwitch(const SimSwitch &) = delete;
    SimSwitch &operator=(const SimSwitch &) = delete;

    // Loads the factory state, or with --state that file's text over it, and
    // starts the live values. Returns the errors of a refused state file
    // (then the switch must not be served).
    std::vector<std::string> load(std::string_view stateText, Clock::time_point now);

    SimFaults &faults() { return m_faults; }

    // One call of the agent's handler: the requests of one registration (the
    // subtree `registration` covers) in one mode, GET, GET-NEXT or a SET phase.
    void answer(netsnmp_handler_registration_s *registration, netsnmp_agent_request_info_s *info,
                netsnmp_request_info_s *requests);
    // Finishes the transfers and the reboot that are due by `now`.
    void tick(Clock::time_point now);
    // Writes the state to this switch's --save file, if there is one.
    bool saveState(std::string *error) const;

private:
    void answerGet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
    void answerGetNext(netsnmp_handler_registration_s *registration, netsnmp_agent_request_info_s *info,
                       netsnmp_request_info_s *requests);
    void answerSet(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
    void perform(const std::vector<SimLive::Action> &actions);
    // Keeps the bindings of an applied SET where tests can read them.
    void recordSet(const std::vector<SimSetTransaction::Binding> &bindings);
    void finishTransfers(Clock::time_point now);

    const SimOptions &m_options;
    const std::string m_saveFile;
    SimObjectStore m_store;
    SimLive m_live;
    SimFaults m_faults;
    struct OpenSet
    {
        std::unique_ptr<SimSetTransaction> transaction;
        bool finished = false;
    };
    // Keyed by the library's agent session of the SET (one per request).
    std::map<void *, OpenSet> m_transactions;
    // Update-file transfers under way: the control goes back to inactive when due.
    struct Transfer
    {
        SimOid control;
        Clock::time_point due;
    };
    std::vector<Transfer> m_transfers;
    Clock::time_point m_rebootDone{};
    bool m_rebooting = false;
    bool m_factoryReset = false;
};
