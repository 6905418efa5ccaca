// nx2400p-sim: an SNMP agent that answers as an NX-2400P switch does.
#include "sim/SimAgent.h"
#include "sim/SimOptions.h"
#include "sim/SimSwitch.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

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
        // Every switch starts from the same state; the file is read once.
        std::string stateText;
        if (!options.stateFile.empty()) {
            std::ifstream in(options.stateFile);
            if (!in) {
                std::cerr << "nx2400p-sim: cannot read " << options.stateFile << "\n";
                return 2;
            }
            std::stringstream text;
            text << in.rdbuf();
            stateText = text.str();
        }
        std::vector<std::unique_ptr<SimSwitch>> switches;
        switches.reserve(options.agents);
        for (unsigned i = 0; i < options.agents; ++i) {
            auto device = std::make_unique<SimSwitch>(options, i);
            std::vector<std::string> errors = device->load(stateText, SimSwitch::Clock::now());
            if (!errors.empty()) {
                for (const std::string &line : errors)
                    std::cerr << line << "\n";
                std::cerr << "nx2400p-sim: state file refused\n";
                return 2;
            }
            switches.push_back(std::move(device));
        }

        SimAgent agent(options, std::move(switches));
        installSignals();
        if (!agent.start(&error)) {
            std::cerr << "nx2400p-sim: " << error << "\n";
            return 1;
        }
        std::cout << "nx2400p-sim: listening on " << options.listenDescription() << std::endl;
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
