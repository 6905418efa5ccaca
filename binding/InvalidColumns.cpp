#include "binding/InvalidColumns.h"

#include "snmp/QxSNMPVarList.h"

InvalidColumns::InvalidColumns(QxSNMPVarList &list, const QList<int> &positions) : m_list(list)
{
    for (int position : positions)
        add(position);
}

void InvalidColumns::add(int position)
{
    if (position < 0 || position >= m_list.count())
        return;
    QxSNMPVariable &v = m_list.item(position);
    m_saved << Saved{position, v.access};
    v.setFlag(QxAccess::invalid, true);
}

InvalidColumns::~InvalidColumns()
{
    restore();
}

void InvalidColumns::restore()
{
    // A position marked twice keeps the access it had before the first mark.
    for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it)
        if (it->position < m_list.count())
            m_list.item(it->position).access = it->access;
    m_saved.clear();
}
