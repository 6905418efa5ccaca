#include "sim/SimOptions.h"

#include "ModuleVersion.h"

#include <cctype>
#include <charconv>

namespace {

const char *const kAuthProtocols[] = {"none", "MD5", "SHA", "SHA-224", "SHA-256", "SHA-384", "SHA-512"};
const char *const kPrivProtocols[] = {"DES", "AES", "AES-192", "AES-256"};

template <std::size_t N>
bool oneOf(const std::string &word, const char *const (&words)[N])
{
    for (const char *w : words)
        if (word == w)
            return true;
    return false;
}

bool toNumber(const std::string &text, long long low, long long high, long long *out)
{
    long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < low || value > high)
        return false;
    *out = value;
    return true;
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// Names and secrets go into the agent's configuration lines, whose words are
// separated by blanks and whose quoted phrases end at a quote.
bool plainWord(const std::string &text)
{
    for (char c : text)
        if (c == '"' || c == '\'' || c == '#' || static_cast<unsigned char>(c) <= ' ')
            return false;
    return !text.empty();
}

bool plainPhrase(const std::string &text)
{
    for (char c : text)
        if (c == '"' || static_cast<unsigned char>(c) < ' ')
            return false;
    return true;
}

// net-snmp's transport domains other than plain UDP. A switch per port needs
// datagram ports to count up: a stream opens a session per connection that
// no switch would know, and the others have no ports or need certificates.
bool otherThanUdp(const std::string &address)
{
    std::string domain = address.substr(0, address.find(':'));
    for (char &c : domain)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char *word : {"tcp", "tcp6", "tcpv6", "tcpipv6", "unix", "tls", "tlstcp", "dtls", "dtlsudp", "ssh", "ipx"})
        if (domain == word)
            return true;
    return false;
}

} // namespace

std::string SimOptions::usage()
{
    return "usage: nx2400p-sim [options]\n"
           "  --listen ADDR          transport address (default udp:127.0.0.1:16161)\n"
           "  --ro-community TEXT    read community (default vqmtze)\n"
           "  --rw-community TEXT    read-write community (default kdrwopl)\n"
           "  --user NAME:AUTH:AUTHPASS[:PRIV:PRIVPASS]\n"
           "                         SNMPv3 user, AUTH none|MD5|SHA|SHA-224..SHA-512,\n"
           "                         PRIV DES|AES|AES-192|AES-256 (repeatable)\n"
           "  --state FILE           initial state (snmprec); default: the factory state\n"
           "  --save FILE            write the state there on exit and on \"Save Changes\"\n"
           "  --fdb-entries N        learnt entries in the forwarding database (0..100000; 12 without --state)\n"
           "  --drop PERCENT         ignore this share of requests\n"
           "  --delay MS             delay every reply\n"
           "  --seed N               seed for the drop decisions (agent i draws from N+i)\n"
           "  --agents N             serve N independent switches (1..1000) on consecutive\n"
           "                         UDP ports from the --listen port on; with --save FILE\n"
           "                         the first saves to FILE, agent i to FILE.i\n"
           "  --version              the version and the SNMPv3 protocols users may have\n";
}

std::string SimOptions::versionText(const std::string &library)
{
    const auto join = [](const auto &words, std::size_t from) {
        std::string out;
        for (std::size_t i = from; i < std::size(words); ++i)
            out += (out.empty() ? "" : ", ") + std::string(words[i]);
        return out;
    };
    return "nx2400p-sim " + std::string(ModuleVersion) + "\nnet-snmp " + library + "; SNMPv3 authentication "
           + join(kAuthProtocols, 1) + "; privacy " + join(kPrivProtocols, 0) + "\n";
}

std::string SimOptions::parseUser(const std::string &text, User *user)
{
    std::vector<std::string> parts = split(text, ':');
    if (parts.size() != 3 && parts.size() != 5)
        return "--user expects NAME:AUTH:AUTHPASS[:PRIV:PRIVPASS], got \"" + text + "\"";
    User u;
    u.name = parts[0];
    u.auth = parts[1];
    u.authPass = parts[2];
    if (!plainWord(u.name))
        return "--user: the user name must be one word without quotes";
    if (!oneOf(u.auth, kAuthProtocols))
        return "--user: AUTH must be none, MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512, got \"" + u.auth + "\"";
    if (u.auth != "none" && u.authPass.size() < 8)
        return "--user: the authentication pass phrase must have at least 8 characters";
    if (parts.size() == 5) {
        u.priv = parts[3];
        u.privPass = parts[4];
        if (!oneOf(u.priv, kPrivProtocols))
            return "--user: PRIV must be DES, AES, AES-192 or AES-256, got \"" + u.priv + "\"";
        if (u.auth == "none")
            return "--user: privacy needs authentication";
        if (u.privPass.size() < 8)
            return "--user: the privacy pass phrase must have at least 8 characters";
    }
    if (!plainPhrase(u.authPass) || !plainPhrase(u.privPass))
        return "--user: pass phrases must not contain quotes";
    *user = u;
    return {};
}

std::string SimOptions::parse(const std::vector<std::string> &args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            continue;
        }
        if (arg == "--version") {
            version = true;
            continue;
        }
        if (i + 1 >= args.size())
            return "unknown option or missing value: " + arg;
        const std::string &value = args[++i];
        long long number = 0;
        if (arg == "--listen") {
            listen = value;
        } else if (arg == "--ro-community") {
            roCommunity = value;
        } else if (arg == "--rw-community") {
            rwCommunity = value;
        } else if (arg == "--user") {
            User user;
            std::string error = parseUser(value, &user);
            if (!error.empty())
                return error;
            users.push_back(user);
        } else if (arg == "--state") {
            stateFile = value;
        } else if (arg == "--save") {
            saveFile = value;
        } else if (arg == "--fdb-entries") {
            if (!toNumber(value, 0, 100000, &number))
                return "--fdb-entries expects a number from 0 to 100000";
            fdbEntries = static_cast<unsigned>(number);
        } else if (arg == "--drop") {
            if (!toNumber(value, 0, 100, &number))
                return "--drop expects a percentage from 0 to 100";
            dropPercent = static_cast<int>(number);
        } else if (arg == "--delay") {
            if (!toNumber(value, 0, 60000, &number))
                return "--delay expects milliseconds from 0 to 60000";
            delayMs = static_cast<int>(number);
        } else if (arg == "--agents") {
            if (!toNumber(value, 1, maxAgents, &number))
                return "--agents expects a number from 1 to " + std::to_string(maxAgents);
            agents = static_cast<unsigned>(number);
        } else if (arg == "--seed") {
            if (!toNumber(value, 0, 0xFFFFFFFFll, &number))
                return "--seed expects a number from 0 to 4294967295";
            seed = static_cast<std::uint32_t>(number);
        } else {
            return "unknown option: " + arg;
        }
    }
    if (!plainWord(roCommunity) || !plainWord(rwCommunity))
        return "communities must be one word without quotes";
    if (agents > 1) {
        if (otherThanUdp(listen) || firstPort() == 0)
            return "--agents needs a UDP --listen address that ends in its port, as udp:127.0.0.1:16161";
        if (firstPort() + agents - 1 > 65535)
            return "--agents: the ports from " + std::to_string(firstPort()) + " on end at 65535";
    }
    return {};
}

unsigned SimOptions::firstPort() const
{
    const std::size_t colon = listen.rfind(':');
    long long port = 0;
    if (!toNumber(colon == std::string::npos ? listen : listen.substr(colon + 1), 1, 65535, &port))
        return 0;
    return static_cast<unsigned>(port);
}

std::string SimOptions::listenAddress(unsigned index) const
{
    if (index == 0)
        return listen;
    const std::size_t colon = listen.rfind(':');
    const std::string host = colon == std::string::npos ? std::string() : listen.substr(0, colon + 1);
    return host + std::to_string(firstPort() + index);
}

std::string SimOptions::listenDescription() const
{
    if (agents == 1)
        return listen;
    const unsigned others = agents - 1;
    return listen + " (and " + std::to_string(others) + (others == 1 ? " more agent on the following port)"
                                                                      : " more agents on the following ports)");
}

std::string SimOptions::saveFileFor(unsigned index) const
{
    if (saveFile.empty() || index == 0)
        return saveFile;
    return saveFile + "." + std::to_string(index);
}
