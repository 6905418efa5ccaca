#include "app/core/RestoreRunner.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxEventWait.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QMetaObject>

RestoreRunner::RestoreRunner(const RestorePlan &plan, SnmpAgent agent) : m_plan(plan), m_agent(std::move(agent)) {}

RestoreRunner::~RestoreRunner() = default;

void RestoreRunner::start(StepDone stepDone, std::function<void()> finished, QList<int> only)
{
    m_stepDone = std::move(stepDone);
    m_finished = std::move(finished);
    if (only.isEmpty())
        for (int i = 0; i < m_plan.steps.size(); ++i)
            only.append(i);
    m_order = std::move(only);
    QMetaObject::invokeMethod(m_context.get(), [this] { next(); }, Qt::QueuedConnection);
}

void RestoreRunner::next()
{
    m_request.reset();
    if (m_at >= m_order.size()) {
        end();
        return;
    }
    const int index = m_order.at(m_at);
    const RestorePlan::Step &step = m_plan.steps.at(index);
    m_request = std::make_unique<QxSNMPRequest>();
    m_agent.applyTo(*m_request);
    QxSNMPVarList &list = m_request->varList();
    list = QxSNMPVarList(step.source->table);
    QStringList positions;
    QStringList values;
    try {
        if (list.isTableKind()) {
            m_request->decodeRowIndex(step.key);
            if (m_request->encodeRowIndex() != step.key)
                throw QxSNMPException(-514, QStringLiteral("\"%1\" is not a row instance of this table").arg(step.key));
        }
        // What the switch holds there goes into the journal with the write.
        for (const RestorePlan::Cell &c : step.cells + step.rowBefore) {
            if (c.before) {
                list.item(c.position).readText = *c.before;
                list.item(c.position).readOid = c.oid;
            }
        }
        for (const RestorePlan::Cell &c : step.cells) {
            positions.append(QString::number(c.position));
            values.append(c.value);
        }
        if (QxSNMPSession *session = globalSession())
            session->setCommand(step.path);
        m_request->write(positions.join(QLatin1Char(',')), values, false,
                         [this, index](const QxSNMPWrite &write) { stepWritten(index, write); });
    } catch (const QxSNMPException &e) {
        fail(index, e.text());
    }
}

void RestoreRunner::stepWritten(int index, const QxSNMPWrite &write)
{
    if (!write.wentThrough()) {
        fail(index, write.message());
        return;
    }
    ++m_outcome.applied;
    ++m_at;
    if (m_stepDone)
        m_stepDone(index, true);
    // The request that called this is dropped once its completion is over.
    QMetaObject::invokeMethod(m_context.get(), [this] { next(); }, Qt::QueuedConnection);
}

void RestoreRunner::fail(int index, const QString &text)
{
    m_outcome.failedStep = index;
    m_outcome.failure = text;
    if (m_stepDone)
        m_stepDone(index, false);
    QMetaObject::invokeMethod(m_context.get(), [this] { end(); }, Qt::QueuedConnection);
}

void RestoreRunner::end()
{
    m_request.reset();
    if (m_finished)
        m_finished();
}

void RestoreRunner::runToEnd(RestoreRunner &runner, const StepDone &stepDone)
{
    bool ended = false;
    runner.start(stepDone, [&ended] { ended = true; });
    while (QxEventWait::whileHolds([&ended] { return !ended; }, 60000)) {
    }
}
