#include "device/QxJointRead.h"

#include "binding/QxSNMPRequest2Rows.h"
#include "snmp/QxSNMPException.h"

QxJointRead::QxJointRead(const QList<QxSNMPRequest2Rows *> &bindings, QObject *parent)
    : QObject(parent), m_bindings(bindings)
{
    for (QxSNMPRequest2Rows *binding : m_bindings)
        connect(binding, &QxSNMPRequest2Controls::readDone, this, &QxJointRead::tableRead);
}

bool QxJointRead::start()
{
    if (m_waiting > 0 || m_bindings.isEmpty() || !m_bindings.first()->request().alive())
        return false;
    m_failed.clear();
    m_failure.clear();
    m_failedList.clear();
    m_waiting = int(m_bindings.size());
    for (QxSNMPRequest2Rows *binding : m_bindings) {
        try {
            binding->refresh();
        } catch (const QxSNMPException &e) {
            tableRead(binding, QxSNMPError{e.code(), 0, e.text()});
        }
    }
    return true;
}

void QxJointRead::stop()
{
    for (QxSNMPRequest2Rows *binding : m_bindings)
        binding->request().setAlive(false);
    for (QxSNMPRequest2Rows *binding : m_bindings)
        if (!binding->inCompletion())
            binding->stopAndWait();
}

void QxJointRead::tableRead(QxSNMPRequest2Controls *binding, const QxSNMPError &error)
{
    if (error.code != 0) {
        m_failed.insert(binding);
        if (m_failure.isEmpty()) {
            m_failure = error.message;
            m_failedList = binding->varList().listName();
        }
    }
    if (m_waiting > 0 && --m_waiting == 0)
        emit ended();
}
