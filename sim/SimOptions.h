#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The simulator's command line.
class SimOptions
{
public:
    struct User
    {
        std::string name;
        std::string auth;      // none, MD5, SHA
        std::string authPass;
        std::string priv;      // empty or DES
        std::string privPass;
    };

    std::string listen = "udp:127.0.0.1:16161";
    std::string roCommunity = "vqmtze";
    std::string rwCommunity = "kdrwopl";
    std::vector<User> users;
    std::string stateFile;
    std::string saveFile;
    // Without --fdb-entries the factory state has learnt a few (a state file has its own).
    std::optional<unsigned> fdbEntries;
    static constexpr unsigned factoryFdbEntries = 12;
    int dropPercent = 0;
    int delayMs = 0;
    std::optional<std::uint32_t> seed;
    // Switches served by the one process, each on a UDP port of its own.
    unsigned agents = 1;
    // One socket each, and the serve loop's select() takes descriptors below 1024 only.
    static constexpr unsigned maxAgents = 1000;
    bool help = false;
    bool version = false;

    // Returns an empty string on success, otherwise the message for the user.
    std::string parse(const std::vector<std::string> &args);
    static std::string usage();
    // What --version prints, with the SNMP library's version.
    static std::string versionText(const std::string &library);
    static std::string parseUser(const std::string &text, User *user);

    // Where agent `index` listens: --listen itself for the first, the same
    // address with the port counted up for the others.
    std::string listenAddress(unsigned index) const;
    // Where the agents listen, as messages say it: the first address, and
    // how many follow on the next ports.
    std::string listenDescription() const;
    // The UDP port --listen names (0 when it names none; then only one agent may run).
    unsigned firstPort() const;
    // Where agent `index` saves its state: the --save file for the first,
    // FILE.INDEX for the others (empty without --save).
    std::string saveFileFor(unsigned index) const;
};
