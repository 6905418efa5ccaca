#pragma once
#include "sim/SimOid.h"

#include <cstdint>
#include <string>
#include <string_view>

// One typed SNMP value. Tags are the BER type numbers, the same numbers the
// snmprec state files carry.
class SimValue
{
public:
    enum Tag : std::uint8_t {
        Integer = 2,
        OctetString = 4,
        Null = 5,
        ObjectId = 6,
        IpAddress = 64,
        Counter32 = 65,
        Gauge32 = 66,
        TimeTicks = 67,
        Opaque = 68,
        Counter64 = 70,
    };

    SimValue() = default;
    static SimValue integer(std::int64_t v);
    static SimValue unsignedOf(Tag tag, std::uint64_t v);
    static SimValue octets(Tag tag, std::string bytes);
    static SimValue objectId(SimOid oid);

    static bool isKnownTag(int tag);
    static bool isNumeric(Tag tag);

    Tag tag() const { return m_tag; }
    std::int64_t asInt() const { return static_cast<std::int64_t>(m_number); }
    std::uint64_t asUnsigned() const { return m_number; }
    const std::string &bytes() const { return m_bytes; }
    const SimOid &oid() const { return m_oid; }

    // Adds delta with the wrap-around of the counter type.
    void grow(std::uint64_t delta);

    // snmprec text: "TAG|VALUE", with TAG followed by "x" when VALUE is hexadecimal.
    std::string toRecord() const;
    // Decodes the tag and value fields of a snmprec line; returns an empty
    // string on success, otherwise what is wrong.
    static std::string fromRecord(std::string_view tag, std::string_view value, SimValue *out);

    bool operator==(const SimValue &other) const = default;

private:
    Tag m_tag = Null;
    std::uint64_t m_number = 0;
    std::string m_bytes;
    SimOid m_oid;
};
