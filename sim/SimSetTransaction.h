#pragma once
#include "sim/SimObjectStore.h"

#include <optional>
#include <vector>

// One SET request: every binding is checked before anything changes, then all
// are applied together, and the whole change can be taken back. This is what
// makes a multi-binding SET all-or-nothing.
class SimSetTransaction
{
public:
    // SNMP error statuses the checks answer with.
    enum Status {
        NoError = 0,
        NoAccess = 6,
        WrongType = 7,
        WrongLength = 8,
        WrongValue = 10,
        NoCreation = 11,
        InconsistentValue = 12,
        NotWritable = 17,
    };

    struct Binding
    {
        SimOid oid;
        SimValue value;
    };

    explicit SimSetTransaction(SimObjectStore &store) : m_store(store) {}

    // First pass: the binding on its own (access, type, length, value).
    int add(const SimOid &oid, const SimValue &value);
    // Second pass, after every binding was added: row existence and creation.
    int check(const SimOid &oid) const;
    // Whether a new row of the table has the parent row it needs (always, for
    // a table without a parent).
    bool parentExists(const SimTable &table, const SimOid &suffix) const;
    // Applies every binding; a second call does nothing.
    void apply();
    // Restores what apply() changed.
    void undo();

    const std::vector<Binding> &bindings() const { return m_bindings; }

private:
    struct RowKey
    {
        const SimTable *table;
        SimOid suffix;
        auto operator<=>(const RowKey &) const = default;
    };
    const Binding *statusBinding(const SimTable &table, const SimOid &suffix) const;
    bool creates(const SimTable &table, std::int64_t status) const;
    bool deletes(const SimTable &table, std::int64_t status) const;
    void remember(const SimOid &instance);

    SimObjectStore &m_store;
    std::vector<Binding> m_bindings;
    std::vector<std::pair<SimOid, std::optional<SimValue>>> m_undo;
    bool m_applied = false;
};
