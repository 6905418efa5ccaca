#pragma once

#include "common/TestAgents.h"

#include <QByteArray>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

// A scripted SNMPv1/v2c agent on a loopback port, for replies that no real agent
// sends: bindings missing, wrong types, OIDs that do not progress or go back.
// The script runs on the agent's own thread and must only look at its argument.
namespace fake {

using Oid = std::vector<uint32_t>;

struct Varbind
{
    Oid oid;
    uint8_t type = 0x05; // BER tag; 0x05 NULL
    int64_t integer = 0; // INTEGER and the unsigned application types
    QByteArray octets;   // OCTET STRING, IpAddress
    Oid oidValue;        // OBJECT IDENTIFIER

    static Varbind makeInteger(Oid o, int64_t v, uint8_t type = 0x02) { return {std::move(o), type, v, {}, {}}; }
    static Varbind makeString(Oid o, QByteArray s, uint8_t type = 0x04) { return {std::move(o), type, 0, std::move(s), {}}; }
};

struct Request
{
    int version = 0;
    int pduType = 0; // 0xA0 GET, 0xA1 GET-NEXT, 0xA3 SET, 0xA5 GETBULK
    int maxRepetitions = 0; // GETBULK (its non-repeaters are taken as 0)
    std::vector<Varbind> varbinds;
};

struct Response
{
    bool drop = false;
    int errorStatus = 0;
    int errorIndex = 0;
    std::vector<Varbind> varbinds;
};

using Script = std::function<Response(const Request &)>;

inline Oid parseOid(const char *text)
{
    Oid o;
    uint32_t v = 0;
    bool any = false;
    for (const char *p = text;; ++p) {
        if (*p >= '0' && *p <= '9') {
            v = v * 10 + uint32_t(*p - '0');
            any = true;
        } else {
            if (any)
                o.push_back(v);
            v = 0;
            any = false;
            if (!*p)
                break;
        }
    }
    return o;
}

inline Oid operator+(Oid a, const Oid &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A tiny MIB answering GET, GET-NEXT and GETBULK like a well-behaved agent.
class Mib
{
public:
    void add(Varbind vb) { m_objects[vb.oid] = std::move(vb); }
    Response answer(const Request &r, bool v1) const
    {
        if (r.pduType == 0xA5) {
            // Repetition k of every binding is the GET-NEXT of repetition k - 1.
            Response out;
            Request step = r;
            step.pduType = 0xA1;
            for (int k = 0; k < r.maxRepetitions; ++k) {
                const Response next = answer(step, false);
                out.varbinds.insert(out.varbinds.end(), next.varbinds.begin(), next.varbinds.end());
                step.varbinds = next.varbinds;
            }
            return out;
        }
        Response out;
        for (size_t i = 0; i < r.varbinds.size(); ++i) {
            const Oid &asked = r.varbinds[i].oid;
            auto it = r.pduType == 0xA1 ? m_objects.upper_bound(asked) : m_objects.find(asked);
            if (it == m_objects.end()) {
                if (v1) {
                    out.errorStatus = 2;
                    out.errorIndex = int(i) + 1;
                    out.varbinds = r.varbinds;
                    return out;
                }
                Varbind e;
                e.oid = asked;
                e.type = r.pduType == 0xA1 ? 0x82 : 0x81;
                out.varbinds.push_back(e);
            } else {
                out.varbinds.push_back(it->second);
            }
        }
        return out;
    }

private:
    std::map<Oid, Varbind> m_objects;
};

namespace ber {

inline void putLength(QByteArray &out, size_t n)
{
    if (n < 128) {
        out.append(char(n));
    } else if (n < 256) {
        out.append(char(0x81));
        out.append(char(n));
    } else {
        out.append(char(0x82));
        out.append(char(n >> 8));
        out.append(char(n & 0xFF));
    }
}

inline QByteArray tlv(uint8_t tag, const QByteArray &value)
{
    QByteArray out;
    out.append(char(tag));
    putLength(out, size_t(value.size()));
    return out + value;
}

inline QByteArray signedInt(int64_t v)
{
    QByteArray bytes;
    for (int i = 7; i >= 0; --i)
        bytes.append(char((uint64_t(v) >> (8 * i)) & 0xFF));
    while (bytes.size() > 1
           && ((bytes[0] == 0 && !(bytes[1] & 0x80)) || (bytes[0] == char(0xFF) && (bytes[1] & 0x80))))
        bytes.remove(0, 1);
    return bytes;
}

inline QByteArray unsignedInt(uint64_t v)
{
    QByteArray bytes;
    for (int i = 7; i >= 0; --i)
        bytes.append(char((v >> (8 * i)) & 0xFF));
    while (bytes.size() > 1 && bytes[0] == 0)
        bytes.remove(0, 1);
    if (bytes[0] & 0x80)
        bytes.prepend('\0');
    return bytes;
}

inline QByteArray oid(const Oid &o)
{
    QByteArray out;
    if (o.size() < 2)
        return QByteArray(1, '\0');
    out.append(char(o[0] * 40 + o[1]));
    for (size_t i = 2; i < o.size(); ++i) {
        uint32_t v = o[i];
        QByteArray part;
        part.prepend(char(v & 0x7F));
        while (v >>= 7)
            part.prepend(char(0x80 | (v & 0x7F)));
        out += part;
    }
    return out;
}

inline QByteArray value(const Varbind &vb)
{
    switch (vb.type) {
    case 0x02:
        return tlv(vb.type, signedInt(vb.integer));
    case 0x41: case 0x42: case 0x43: case 0x46: case 0x47:
        return tlv(vb.type, unsignedInt(uint64_t(vb.integer)));
    case 0x04: case 0x40: case 0x44:
        return tlv(vb.type, vb.octets);
    case 0x06:
        return tlv(0x06, oid(vb.oidValue));
    default:
        return tlv(vb.type, QByteArray());
    }
}

// Reads one TLV at pos; false when the data is malformed.
inline bool read(const QByteArray &d, int &pos, uint8_t &tag, QByteArray &content)
{
    if (pos + 2 > d.size())
        return false;
    tag = uint8_t(d[pos++]);
    size_t len = uint8_t(d[pos++]);
    if (len & 0x80) {
        const int n = int(len & 0x7F);
        len = 0;
        for (int i = 0; i < n; ++i) {
            if (pos >= d.size())
                return false;
            len = (len << 8) | uint8_t(d[pos++]);
        }
    }
    if (pos + int(len) > d.size())
        return false;
    content = d.mid(pos, int(len));
    pos += int(len);
    return true;
}

inline int64_t toInt(const QByteArray &c)
{
    int64_t v = c.isEmpty() ? 0 : int64_t(int8_t(c[0]));
    for (int i = 1; i < c.size(); ++i)
        v = (v << 8) | uint8_t(c[i]);
    return v;
}

inline Oid toOid(const QByteArray &c)
{
    Oid o;
    if (c.isEmpty())
        return o;
    o.push_back(uint8_t(c[0]) / 40);
    o.push_back(uint8_t(c[0]) % 40);
    uint32_t v = 0;
    for (int i = 1; i < c.size(); ++i) {
        v = (v << 7) | (uint8_t(c[i]) & 0x7F);
        if (!(uint8_t(c[i]) & 0x80)) {
            o.push_back(v);
            v = 0;
        }
    }
    return o;
}

} // namespace ber

class Agent
{
public:
    explicit Agent(Script script) : m_script(std::move(script))
    {
        m_fd = TestAgents::bindLoopbackUdp();
        m_port = TestAgents::boundPort(m_fd);
        m_thread = std::thread([this] { run(); });
    }
    ~Agent()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_fd);
    }
    uint16_t port() const { return m_port; }
    int requests() const { return m_requests; }

private:
    void run()
    {
        while (!m_stop) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            char buffer[65536];
            sockaddr_in from{};
            socklen_t fromLen = sizeof from;
            const ssize_t n = ::recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr *>(&from), &fromLen);
            if (n <= 0)
                continue;
            ++m_requests;
            QByteArray reply;
            if (handle(QByteArray(buffer, int(n)), reply))
                ::sendto(m_fd, reply.constData(), size_t(reply.size()), 0, reinterpret_cast<sockaddr *>(&from), fromLen);
        }
    }

    bool handle(const QByteArray &packet, QByteArray &reply)
    {
        int pos = 0;
        uint8_t tag = 0;
        QByteArray message;
        if (!ber::read(packet, pos, tag, message) || tag != 0x30)
            return false;
        pos = 0;
        QByteArray version, community, pdu;
        uint8_t pduTag = 0;
        if (!ber::read(message, pos, tag, version) || !ber::read(message, pos, tag, community)
            || !ber::read(message, pos, pduTag, pdu))
            return false;
        Request request;
        request.version = int(ber::toInt(version));
        request.pduType = pduTag;
        pos = 0;
        QByteArray reqid, status, index, list;
        if (!ber::read(pdu, pos, tag, reqid) || !ber::read(pdu, pos, tag, status) || !ber::read(pdu, pos, tag, index)
            || !ber::read(pdu, pos, tag, list))
            return false;
        if (pduTag == 0xA5)
            request.maxRepetitions = int(ber::toInt(index));
        pos = 0;
        QByteArray entry;
        while (pos < list.size() && ber::read(list, pos, tag, entry)) {
            int p = 0;
            QByteArray name, value;
            uint8_t valueTag = 0;
            if (!ber::read(entry, p, tag, name) || !ber::read(entry, p, valueTag, value))
                return false;
            Varbind vb;
            vb.oid = ber::toOid(name);
            vb.type = valueTag;
            if (valueTag == 0x02)
                vb.integer = ber::toInt(value);
            else if (valueTag == 0x04 || valueTag == 0x40)
                vb.octets = value;
            request.varbinds.push_back(vb);
        }
        const Response response = m_script(request);
        if (response.drop)
            return false;
        QByteArray vbs;
        for (const Varbind &vb : response.varbinds)
            vbs += ber::tlv(0x30, ber::tlv(0x06, ber::oid(vb.oid)) + ber::value(vb));
        const QByteArray body = ber::tlv(0x02, reqid) + ber::tlv(0x02, ber::signedInt(response.errorStatus))
                                + ber::tlv(0x02, ber::signedInt(response.errorIndex)) + ber::tlv(0x30, vbs);
        reply = ber::tlv(0x30, ber::tlv(0x02, version) + ber::tlv(0x04, community) + ber::tlv(0xA2, body));
        return true;
    }

    Script m_script;
    int m_fd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

} // namespace fake
