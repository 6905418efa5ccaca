#include "sim/SimOid.h"

#include "EnterpriseBase.h"

#include <charconv>
#include <stdexcept>

bool SimOid::parse(std::string_view text, SimOid *out)
{
    std::vector<Arc> arcs;
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == 'E') {
        SimOid base;
        if (!parse(EnterpriseBase, &base))
            return false;
        arcs = base.m_arcs;
        text.remove_prefix(1);
        if (text.empty()) {
            *out = SimOid(std::move(arcs));
            return true;
        }
        if (text.front() != '.')
            return false;
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    while (true) {
        std::size_t dot = text.find('.');
        std::string_view part = text.substr(0, dot);
        if (part.empty())
            return false;
        unsigned long value = 0;
        auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (ec != std::errc() || ptr != part.data() + part.size() || value > 0xFFFFFFFFul)
            return false;
        arcs.push_back(static_cast<Arc>(value));
        if (dot == std::string_view::npos)
            break;
        text.remove_prefix(dot + 1);
    }
    if (arcs.size() > 128)
        return false;
    *out = SimOid(std::move(arcs));
    return true;
}

SimOid SimOid::of(std::string_view text)
{
    SimOid oid;
    if (!parse(text, &oid))
        throw std::invalid_argument("bad object identifier in the simulator's tables: " + std::string(text));
    return oid;
}

std::string SimOid::toString() const
{
    std::string text;
    for (std::size_t i = 0; i < m_arcs.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(m_arcs[i]);
    }
    return text;
}

bool SimOid::startsWith(const SimOid &prefix) const
{
    if (prefix.m_arcs.size() > m_arcs.size())
        return false;
    for (std::size_t i = 0; i < prefix.m_arcs.size(); ++i)
        if (m_arcs[i] != prefix.m_arcs[i])
            return false;
    return true;
}

SimOid SimOid::child(Arc arc) const
{
    SimOid result(*this);
    result.m_arcs.push_back(arc);
    return result;
}

SimOid SimOid::concat(const SimOid &tail) const
{
    SimOid result(*this);
    result.m_arcs.insert(result.m_arcs.end(), tail.m_arcs.begin(), tail.m_arcs.end());
    return result;
}

SimOid SimOid::suffix(std::size_t from) const
{
    if (from >= m_arcs.size())
        return SimOid();
    return SimOid(std::vector<Arc>(m_arcs.begin() + static_cast<std::ptrdiff_t>(from), m_arcs.end()));
}
