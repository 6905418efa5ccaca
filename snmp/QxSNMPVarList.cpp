#include "snmp/QxSNMPVarList.h"

#include "snmp/QxOptionList.h"

QxSNMPVarList::QxSNMPVarList(const QxSNMPVarItem *items, quint8 kind, int keyCount) : m_keyCount(keyCount), m_kind(kind)
{
    append(items);
}

QxSNMPVarList::QxSNMPVarList(const QxDescriptorTable &table) : QxSNMPVarList(table.items, table.kind, table.keyCount)
{
    if (table.listName)
        m_listName = QString::fromLatin1(table.listName);
}

QxSNMPVarList::QxSNMPVarList(const QxSNMPVarList &other)
{
    copyFrom(other);
}

QxSNMPVarList &QxSNMPVarList::operator=(const QxSNMPVarList &other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

QxSNMPVarList &QxSNMPVarList::operator=(QxSNMPVarList &&other) noexcept
{
    if (this != &other) {
        m_keyCount = other.m_keyCount;
        m_kind = other.m_kind;
        m_listName = std::move(other.m_listName);
        m_items = std::move(other.m_items);
        m_ownedOptionLists = std::move(other.m_ownedOptionLists);
    }
    return *this;
}

void QxSNMPVarList::copyFrom(const QxSNMPVarList &other)
{
    m_keyCount = other.m_keyCount;
    m_kind = other.m_kind;
    m_listName = other.m_listName;
    m_items = other.m_items;
    m_ownedOptionLists = other.m_ownedOptionLists;
}

void QxSNMPVarList::append(const QxSNMPVarItem *items)
{
    if (!items)
        return;
    for (const QxSNMPVarItem *p = items; p->oid; ++p)
        m_items.push_back(QxSNMPVariable::fromItem(*p));
}

void QxSNMPVarList::append(const QString &oid, const QString &caption, quint32 syntax, quint32 access,
                           const QxOptionList *optionList, const QString &readExpression,
                           const QString &writeExpression, const QString &spareExpression)
{
    QxSNMPVariable v;
    v.oid = QxSNMPVariable::expandOid(oid.toLatin1().constData());
    v.caption = caption;
    v.syntax = syntax;
    v.access = access;
    v.optionList = optionList;
    v.readExpression = readExpression;
    v.writeExpression = writeExpression;
    v.spareExpression = spareExpression;
    m_items.push_back(std::move(v));
}

void QxSNMPVarList::prefixOids(const QString &text)
{
    for (auto &v : m_items)
        v.oid += QLatin1Char('.') + text;
}

bool QxSNMPVarList::isReadable(int i) const
{
    const auto &v = item(i);
    return !v.has(QxAccess::invalid) && v.has(QxAccess::readonly);
}

bool QxSNMPVarList::isWritable(int i) const
{
    const auto &v = item(i);
    if (v.has(QxAccess::invalid))
        return false;
    return v.has(QxAccess::writeonly) || (isTableKind() && i < m_keyCount);
}

bool QxSNMPVarList::isVisible(int i) const
{
    const auto &v = item(i);
    return !v.has(QxAccess::invalid) && !v.has(QxAccess::hidden)
           && v.has(QxAccess::notaccess | QxAccess::readonly | QxAccess::derived);
}

bool QxSNMPVarList::isInHiddenGroup(int i) const
{
    const auto &v = item(i);
    return v.access == QxAccess::writeonly || v.has(QxAccess::invalid) || v.has(QxAccess::hidden);
}

bool QxSNMPVarList::isImplied(int i) const
{
    return item(i).has(QxAccess::implied);
}

int QxSNMPVarList::visibleCount() const
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += isVisible(i) ? 1 : 0;
    return n;
}

int QxSNMPVarList::hiddenGroupCount() const
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += isInHiddenGroup(i) ? 1 : 0;
    return n;
}

QString QxSNMPVarList::baseOid(int i) const
{
    const auto &v = item(i);
    if (m_instanceSuffix.isEmpty())
        return v.oid;
    return v.oid + QLatin1Char('.') + m_instanceSuffix;
}

void QxSNMPVarList::adoptOptionList(std::unique_ptr<QxOptionList> optionList)
{
    if (optionList)
        m_ownedOptionLists.push_back(std::shared_ptr<const QxOptionList>(std::move(optionList)));
}
