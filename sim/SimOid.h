#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An object identifier as the store keys it. Ordering is lexicographic by
// sub-identifier, which is the order GET-NEXT walks in.
class SimOid
{
public:
    using Arc = std::uint32_t;

    SimOid() = default;
    explicit SimOid(std::vector<Arc> arcs) : m_arcs(std::move(arcs)) {}
    SimOid(const Arc *arcs, std::size_t count) : m_arcs(arcs, arcs + count) {}

    // Dotted text, with or without a leading dot. A leading "E" stands for the
    // vendor's enterprise root, so data tables can write "E.11.63.7.2.1.2.1".
    // Returns false (and leaves *out untouched) on anything else.
    static bool parse(std::string_view text, SimOid *out);
    // Parses text the data tables hold; an unparsable literal is a programming error.
    static SimOid of(std::string_view text);

    std::string toString() const;

    const std::vector<Arc> &arcs() const { return m_arcs; }
    std::size_t size() const { return m_arcs.size(); }
    bool empty() const { return m_arcs.empty(); }
    Arc operator[](std::size_t i) const { return m_arcs[i]; }

    bool startsWith(const SimOid &prefix) const;
    SimOid child(Arc arc) const;
    SimOid concat(const SimOid &tail) const;
    // The arcs after the first `from` ones.
    SimOid suffix(std::size_t from) const;
    void append(Arc arc) { m_arcs.push_back(arc); }

    auto operator<=>(const SimOid &other) const = default;

private:
    std::vector<Arc> m_arcs;
};
