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
    bool help = false;
    bool version = false;

    // Returns an empty string on success, otherwise the message for the user.
    std::string parse(const std::vector<std::string> &args);
    static std::string usage();
    // What --version prints, with the SNMP library's version.
    static std::string versionText(const std::string &library);
    static std::string parseUser(const std::string &text, User *user);
};
