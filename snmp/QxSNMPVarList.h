#pragma once

#include "snmp/QxDescriptorTable.h"
#include "snmp/QxSNMPVariable.h"

#include <QString>
#include <memory>
#include <vector>

// The variables of one request: deep copies of a static descriptor array with
// their current value texts and instance OIDs.
class QxSNMPVarList
{
public:
    QxSNMPVarList() = default;
    // Copies every descriptor up to the terminator (the first null oid).
    QxSNMPVarList(const QxSNMPVarItem *items, quint8 kind, int keyCount);
    // The same from a table, with its list name.
    explicit QxSNMPVarList(const QxDescriptorTable &table);
    // Copies kind, key count, list name and every variable with its value and
    // instance OID; the instance suffix is not copied (the copy's starts empty).
    QxSNMPVarList(const QxSNMPVarList &other);
    // The same, keeping this list's own instance suffix.
    QxSNMPVarList &operator=(const QxSNMPVarList &other);
    QxSNMPVarList(QxSNMPVarList &&) = default;
    // Like copy assignment, keeps this list's own instance suffix.
    QxSNMPVarList &operator=(QxSNMPVarList &&other) noexcept;
    ~QxSNMPVarList() = default;

    void append(const QxSNMPVarItem *items);
    void append(const QString &oid, const QString &caption, quint32 syntax, quint32 access,
                const QxOptionList *optionList = nullptr, const QString &readExpression = QString(),
                const QString &writeExpression = QString(), const QString &spareExpression = QString());
    // Points the list at one instance: every oid becomes oid + "." + text.
    void prefixOids(const QString &text);

    int count() const { return int(m_items.size()); }
    // No bounds check: callers stay inside 0..count()-1.
    QxSNMPVariable &item(int i) { return m_items[size_t(i)]; }
    const QxSNMPVariable &item(int i) const { return m_items[size_t(i)]; }

    bool isTableKind() const { return m_kind == MVT_FMV || m_kind == MVT_UMV; }
    bool isReadable(int i) const;
    bool isWritable(int i) const;
    bool isVisible(int i) const;
    bool isInHiddenGroup(int i) const;
    bool isImplied(int i) const;
    int visibleCount() const;
    int hiddenGroupCount() const;

    // oid, or oid + "." + instanceSuffix when the suffix is set.
    QString baseOid(int i) const;

    const QString &instanceSuffix() const { return m_instanceSuffix; }
    void setInstanceSuffix(const QString &suffix) { m_instanceSuffix = suffix; }
    int keyCount() const { return m_keyCount; }
    void setKeyCount(int keyCount) { m_keyCount = keyCount; }
    quint8 itemType() const { return m_kind; }
    void setItemType(quint8 kind) { m_kind = kind; }
    const QString &listName() const { return m_listName; }
    void setListName(const QString &name) { m_listName = name; }

    // Hands an option list over to the list; it lives as long as this list or any
    // copy of it.
    void adoptOptionList(std::unique_ptr<QxOptionList> optionList);

private:
    void copyFrom(const QxSNMPVarList &other);

    QString m_instanceSuffix;
    int m_keyCount = 0;
    quint8 m_kind = SVT_SV;
    QString m_listName;
    std::vector<QxSNMPVariable> m_items;
    std::vector<std::shared_ptr<const QxOptionList>> m_ownedOptionLists;
};
