#include "sim/SimTable.h"

#include <sstream>
#include <stdexcept>
#include <string>

SimTable::SimTable(const SimTableDef &def) : m_def(&def), m_entry(SimOid::of(def.entry))
{
    std::istringstream parts(def.index ? def.index : "");
    std::string part;
    while (parts >> part) {
        std::size_t colon = part.find(':');
        std::size_t rangeColon = colon == std::string::npos ? colon : part.find(':', colon + 1);
        const std::string kind = part.substr(colon + 1, rangeColon == std::string::npos ? std::string::npos : rangeColon - colon - 1);
        if (colon == std::string::npos || kind.size() != 1 || std::string("iamsSoO6").find(kind[0]) == std::string::npos)
            throw std::invalid_argument("bad index part \"" + part + "\" of table " + def.entry);
        m_index.push_back({static_cast<unsigned>(std::stoul(part.substr(0, colon))), kind[0],
                           rangeColon == std::string::npos ? std::string() : part.substr(rangeColon + 1)});
    }
    if (m_index.empty())
        throw std::invalid_argument(std::string("table without index: ") + def.entry);
}

bool SimTable::decodeIndex(const SimOid &suffix, std::vector<SimValue> *values) const
{
    std::vector<SimValue> result;
    std::size_t pos = 0;
    const std::size_t n = suffix.size();
    auto octets = [&](std::size_t count, std::string *out) {
        if (pos + count > n)
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            if (suffix[pos + i] > 255)
                return false;
            *out += static_cast<char>(suffix[pos + i]);
        }
        pos += count;
        return true;
    };
    for (std::size_t k = 0; k < m_index.size(); ++k) {
        const IndexPart &part = m_index[k];
        std::string bytes;
        switch (part.kind) {
        case 'i':
            if (pos >= n)
                return false;
            result.push_back(SimValue::unsignedOf(SimValue::Gauge32, suffix[pos++]));
            break;
        case 'a':
            if (!octets(4, &bytes))
                return false;
            result.push_back(SimValue::octets(SimValue::IpAddress, bytes));
            break;
        case 'm':
        case '6':
            if (!octets(part.kind == 'm' ? 6 : 16, &bytes))
                return false;
            result.push_back(SimValue::octets(SimValue::OctetString, bytes));
            break;
        case 's': {
            if (pos >= n)
                return false;
            std::size_t length = suffix[pos++];
            if (!octets(length, &bytes))
                return false;
            result.push_back(SimValue::octets(SimValue::OctetString, bytes));
            break;
        }
        case 'S':
            if (k + 1 != m_index.size() || !octets(n - pos, &bytes))
                return false;
            result.push_back(SimValue::octets(SimValue::OctetString, bytes));
            break;
        case 'O': {
            if (k + 1 != m_index.size() || pos >= n)
                return false;
            std::vector<SimOid::Arc> arcs(suffix.arcs().begin() + static_cast<std::ptrdiff_t>(pos), suffix.arcs().end());
            pos = n;
            result.push_back(SimValue::objectId(SimOid(std::move(arcs))));
            break;
        }
        case 'o': {
            if (pos >= n)
                return false;
            std::size_t length = suffix[pos++];
            if (pos + length > n)
                return false;
            std::vector<SimOid::Arc> arcs(suffix.arcs().begin() + static_cast<std::ptrdiff_t>(pos),
                                          suffix.arcs().begin() + static_cast<std::ptrdiff_t>(pos + length));
            pos += length;
            result.push_back(SimValue::objectId(SimOid(std::move(arcs))));
            break;
        }
        }
    }
    if (pos != n)
        return false;
    if (values)
        *values = std::move(result);
    return true;
}

bool SimTable::indexValueFor(unsigned number, const SimOid &suffix, SimValue *value) const
{
    std::vector<SimValue> values;
    if (!decodeIndex(suffix, &values))
        return false;
    for (std::size_t k = 0; k < m_index.size(); ++k) {
        if (m_index[k].column != number)
            continue;
        SimValue v = values[k];
        auto column = m_columns.find(number);
        if (column != m_columns.end() && v.tag() == SimValue::Gauge32) {
            const auto tag = static_cast<SimValue::Tag>(column->second->tag);
            v = tag == SimValue::Integer ? SimValue::integer(static_cast<std::int64_t>(v.asUnsigned()))
                                         : SimValue::unsignedOf(tag, v.asUnsigned());
        }
        *value = v;
        return true;
    }
    return false;
}

std::vector<SimOid> SimTable::factoryRows() const
{
    std::vector<SimOid> rows;
    std::string rowsText = m_def->rows ? m_def->rows : "";
    std::istringstream patterns(rowsText);
    std::string pattern;
    while (std::getline(patterns, pattern, ',')) {
        if (pattern.empty())
            continue;
        // Expand each arc ("a" or "a..b") into the cartesian product.
        std::vector<SimOid> partial{SimOid()};
        std::size_t start = 0;
        std::vector<std::string> arcTexts;
        while (start <= pattern.size()) {
            std::size_t dot = pattern.find('.', start);
            if (dot != std::string::npos && pattern.compare(dot, 2, "..") == 0) {
                std::size_t next = pattern.find('.', dot + 2);
                arcTexts.push_back(pattern.substr(start, next == std::string::npos ? std::string::npos : next - start));
                if (next == std::string::npos)
                    break;
                start = next + 1;
                continue;
            }
            arcTexts.push_back(pattern.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
            if (dot == std::string::npos)
                break;
            start = dot + 1;
        }
        for (const std::string &text : arcTexts) {
            std::size_t range = text.find("..");
            unsigned long low = std::stoul(text.substr(0, range));
            unsigned long high = range == std::string::npos ? low : std::stoul(text.substr(range + 2));
            std::vector<SimOid> grown;
            for (const SimOid &base : partial)
                for (unsigned long v = low; v <= high; ++v)
                    grown.push_back(base.child(static_cast<SimOid::Arc>(v)));
            partial = std::move(grown);
        }
        rows.insert(rows.end(), partial.begin(), partial.end());
    }
    return rows;
}
