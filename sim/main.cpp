// nx2400p-sim: an SNMP agent that answers as an NX-2400P switch does.
#include "sim/SimAgent.h"
#include "sim/SimControl.h"
#include "sim/SimFaults.h"
#include "sim/SimLive.h"
#include "sim/SimMib.h"
#include "sim/SimObjectStore.h"
#include "sim/SimOptions.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void installSignals()
{
    struct sigaction action = {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: the wait in the serve loop must end
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    SimOptions options;
    std::string error = options.parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!error.empty()) {
        std::cerr << "nx2400p-sim: " << error << "\n" << SimOptions::usage();
        return 2;
    }
    if (options.help) {
        std::cout << SimOptions::usage();
        return 0;
    }
    if (options.version) {
        std::cout << SimOptions::versionText(netsnmp_get_version());
        return 0;
    }

    try {
        SimObjectStore store(SimMib::allParts());
        store.loadFactory();
        if (!options.stateFile.empty()) {
            std::ifstream in(options.stateFile);
            if (!in) {
                std::cerr << "nx2400p-sim: cannot read " << options.stateFile << "\n";
                return 2;
            }
            std::stringstream text;
            text << in.rdbuf();
            // The control subtree keeps its defaults unless the file says otherwise.
            const SimOid controlRoot = SimOid::of(SimControl::root);
            std::vector<std::pair<SimOid, SimValue>> controls;
            for (const auto &[oid, cell] : store.cells())
                if (oid.startsWith(controlRoot))
                    controls.emplace_back(oid, cell.value);
            std::vector<std::string> errors = store.loadRecords(text.str(), options.stateFile, true);
            if (!errors.empty()) {
                for (const std::string &line : errors)
                    std::cerr << line << "\n";
                std::cerr << "nx2400p-sim: state file refused\n";
                return 2;
            }
            for (const auto &[oid, value] : controls)
                if (!store.find(oid))
                    store.put(oid, value);
        }
        store.put(SimOid::of(SimControl::dropPercent), SimValue::integer(options.dropPercent));
        store.put(SimOid::of(SimControl::delayMs), SimValue::integer(options.delayMs));

        SimLive live(store);
        live.start(SimLive::Clock::now());
        const unsigned fdbEntries = options.fdbEntries.value_or(options.stateFile.empty() ? SimOptions::factoryFdbEntries : 0);
        if (fdbEntries)
            live.fillForwardingDatabase(fdbEntries);
        SimFaults faults(store, options.seed ? *options.seed : std::random_device()());

        SimAgent agent(options, store, live, faults);
        installSignals();
        if (!agent.start(&error)) {
            std::cerr << "nx2400p-sim: " << error << "\n";
            return 1;
        }
        std::cout << "nx2400p-sim: listening on " << options.listen << std::endl;
        agent.run(&stopRequested);
        if (!agent.saveState(&error)) {
            std::cerr << "nx2400p-sim: " << error << "\n";
            return 1;
        }
    } catch (const std::exception &e) {
        std::cerr << "nx2400p-sim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
