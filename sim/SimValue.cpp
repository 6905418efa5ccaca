#include "sim/SimValue.h"

#include <charconv>

namespace {

bool parseUnsigned(std::string_view text, std::uint64_t max, std::uint64_t *out)
{
    std::uint64_t value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value > max)
        return false;
    *out = value;
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parseHex(std::string_view text, std::string *out)
{
    if (text.size() % 2)
        return false;
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int hi = hexDigit(text[i]);
        int lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        bytes += static_cast<char>(hi * 16 + lo);
    }
    *out = std::move(bytes);
    return true;
}

std::string toHex(const std::string &bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

bool printable(const std::string &bytes)
{
    for (unsigned char c : bytes)
        if (c < 0x20 || c > 0x7e || c == '|')
            return false;
    return true;
}

} // namespace

SimValue SimValue::integer(std::int64_t v)
{
    SimValue value;
    value.m_tag = Integer;
    value.m_number = static_cast<std::uint64_t>(v);
    return value;
}

SimValue SimValue::unsignedOf(Tag tag, std::uint64_t v)
{
    SimValue value;
    value.m_tag = tag;
    value.m_number = tag == Counter64 ? v : (v & 0xFFFFFFFFull);
    return value;
}

SimValue SimValue::octets(Tag tag, std::string bytes)
{
    SimValue value;
    value.m_tag = tag;
    value.m_bytes = std::move(bytes);
    return value;
}

SimValue SimValue::objectId(SimOid oid)
{
    SimValue value;
    value.m_tag = ObjectId;
    value.m_oid = std::move(oid);
    return value;
}

bool SimValue::isKnownTag(int tag)
{
    switch (tag) {
    case Integer: case OctetString: case Null: case ObjectId: case IpAddress:
    case Counter32: case Gauge32: case TimeTicks: case Opaque: case Counter64:
        return true;
    default:
        return false;
    }
}

bool SimValue::isNumeric(Tag tag)
{
    return tag == Integer || tag == Counter32 || tag == Gauge32 || tag == TimeTicks || tag == Counter64;
}

void SimValue::grow(std::uint64_t delta)
{
    if (m_tag == Counter64)
        m_number += delta;
    else if (m_tag == Counter32)
        m_number = (m_number + delta) & 0xFFFFFFFFull;
}

std::string SimValue::toRecord() const
{
    const std::string tag = std::to_string(static_cast<int>(m_tag));
    switch (m_tag) {
    case Integer:
        return tag + "|" + std::to_string(static_cast<std::int32_t>(m_number));
    case Counter32: case Gauge32: case TimeTicks: case Counter64:
        return tag + "|" + std::to_string(m_number);
    case OctetString: case Opaque:
        if (printable(m_bytes))
            return tag + "|" + m_bytes;
        return tag + "x|" + toHex(m_bytes);
    case IpAddress: {
        if (m_bytes.size() != 4)
            return tag + "x|" + toHex(m_bytes);
        std::string text;
        for (int i = 0; i < 4; ++i) {
            if (i)
                text += '.';
            text += std::to_string(static_cast<unsigned char>(m_bytes[static_cast<std::size_t>(i)]));
        }
        return tag + "|" + text;
    }
    case ObjectId:
        return tag + "|" + m_oid.toString();
    case Null:
        return tag + "|";
    }
    return tag + "|";
}

std::string SimValue::fromRecord(std::string_view tagText, std::string_view text, SimValue *out)
{
    bool hex = false;
    if (!tagText.empty() && (tagText.back() == 'x' || tagText.back() == 'X')) {
        hex = true;
        tagText.remove_suffix(1);
    }
    std::uint64_t tagNumber = 0;
    if (!parseUnsigned(tagText, 255, &tagNumber) || !isKnownTag(static_cast<int>(tagNumber)))
        return "unknown type tag \"" + std::string(tagText) + "\"";
    const Tag tag = static_cast<Tag>(tagNumber);
    std::string raw;
    if (hex) {
        if (!parseHex(text, &raw))
            return "malformed hexadecimal value";
    }
    SimValue value;
    value.m_tag = tag;
    switch (tag) {
    case Integer: {
        std::string_view digits = hex ? std::string_view() : text;
        bool negative = !digits.empty() && digits.front() == '-';
        if (negative)
            digits.remove_prefix(1);
        std::uint64_t magnitude = 0;
        if (hex || !parseUnsigned(digits, negative ? 2147483648ull : 2147483647ull, &magnitude))
            return "INTEGER value out of range or not a number";
        value.m_number = static_cast<std::uint64_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                                             : static_cast<std::int64_t>(magnitude));
        break;
    }
    case Counter32: case Gauge32: case TimeTicks:
        if (hex || !parseUnsigned(text, 0xFFFFFFFFull, &value.m_number))
            return "unsigned 32-bit value out of range or not a number";
        break;
    case Counter64:
        if (hex || !parseUnsigned(text, ~0ull, &value.m_number))
            return "Counter64 value not a number";
        break;
    case OctetString: case Opaque:
        value.m_bytes = hex ? raw : std::string(text);
        break;
    case IpAddress:
        if (hex) {
            if (raw.size() != 4)
                return "IpAddress needs four octets";
            value.m_bytes = raw;
        } else {
            SimOid quad;
            if (!SimOid::parse(text, &quad) || quad.size() != 4)
                return "IpAddress not in dotted form";
            for (auto arc : quad.arcs()) {
                if (arc > 255)
                    return "IpAddress octet above 255";
                value.m_bytes += static_cast<char>(arc);
            }
        }
        break;
    case ObjectId:
        if (hex || !SimOid::parse(text, &value.m_oid)
            || value.m_oid.size() < 2)
            return "OBJECT IDENTIFIER not in dotted form";
        break;
    case Null:
        if (!text.empty())
            return "NULL carries no value";
        break;
    }
    *out = std::move(value);
    return {};
}
