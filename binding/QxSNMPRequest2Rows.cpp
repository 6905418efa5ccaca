#include "binding/QxSNMPRequest2Rows.h"

#include <algorithm>

QxSNMPRequest2Rows::QxSNMPRequest2Rows(QWidget *owner) : QxSNMPRequest2Controls(owner) {}

std::unique_ptr<QxSNMPRequest2Rows> QxSNMPRequest2Rows::ofColumns(QWidget *owner, const QxDescriptorTable &table,
                                                                  std::initializer_list<int> shown)
{
    auto binding = std::make_unique<QxSNMPRequest2Rows>(owner);
    binding->varList() = QxSNMPVarList(table);
    QxSNMPVarList &list = binding->varList();
    for (int i = list.keyCount(); i < list.count(); ++i)
        if (std::find(shown.begin(), shown.end(), i) == shown.end())
            list.item(i).setFlag(QxAccess::invalid, true);
    return binding;
}

QxSNMPRequest2Rows::~QxSNMPRequest2Rows()
{
    shutDown();
}

void QxSNMPRequest2Rows::beforeRead()
{
    m_rows.clear();
    m_instances.clear();
}

void QxSNMPRequest2Rows::rowRead()
{
    QStringList row;
    const QxSNMPVarList &list = varList();
    row.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        row << list.item(i).valueText;
    m_rows << row;
    m_instances << request().readRowInstance();
}

void QxSNMPRequest2Rows::readFailed(const QxSNMPError &)
{
    // The owner has the error with the read's event.
}

void QxSNMPRequest2Rows::writeFailed(const QxSNMPError &)
{
    // The owner has the error with the write's event.
}
