#include "binding/QxSNMPRequest2Rows.h"

QxSNMPRequest2Rows::QxSNMPRequest2Rows(QWidget *owner) : QxSNMPRequest2Controls(owner) {}

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
