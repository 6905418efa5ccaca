#include "snmp/QxBulkWalk.h"

#include "snmp/QxNetSnmpStatus.h"
#include "snmp/QxSNMPSession.h"

#include <algorithm>

namespace {

constexpr int TooBig = 1;
constexpr int HighestErrorStatus = 18;

QxBulkSupport *supportOf(const QxSNMPTarget &target)
{
    QxSNMPSession *session = globalSession();
    return session ? &session->bulkSupport(target.agentKey()) : nullptr;
}

} // namespace

bool QxBulkWalk::appliesTo(const QxSNMPTarget &target, int setting)
{
    if (setting == 0 || target.security.version == QxSNMPSecurity::V1)
        return false;
    const QxBulkSupport *support = supportOf(target);
    return support && support->answers != QxBulkSupport::No;
}

void QxBulkWalk::start(int setting)
{
    m_setting = setting;
    m_repetitions = setting > 0 ? setting : FirstRepetitions;
    m_ceiling = MostRepetitions;
}

QxBulkWalk::Try QxBulkWalk::firstTry(const QxSNMPTarget &target)
{
    m_stepTarget = target;
    Try attempt;
    attempt.target = target;
    const QxBulkSupport *support = supportOf(target);
    if (!support || support->answers == QxBulkSupport::No || m_setting == 0) {
        attempt.command = QxSNMPTransport::GetNext;
        return attempt;
    }
    attempt.repetitions = m_repetitions;
    if (support->answers == QxBulkSupport::Unknown) {
        // The GETBULK gets the first try; a GET-NEXT has the rest if it is not answered.
        if (target.retries >= 1)
            attempt.target.retries = 0;
        else
            attempt.target.timeout = std::max(1, target.timeout / 2);
    }
    return attempt;
}

QxBulkWalk::Try QxBulkWalk::getNextInstead(bool afterError) const
{
    Try attempt;
    attempt.target = m_stepTarget;
    attempt.command = QxSNMPTransport::GetNext;
    attempt.insteadOfBulk = true;
    attempt.afterError = afterError;
    if (!afterError) {
        // What the unanswered GETBULK left of the step's budget.
        if (m_stepTarget.retries >= 1)
            attempt.target.retries = m_stepTarget.retries - 1;
        else
            attempt.target.timeout = std::max(1, m_stepTarget.timeout - m_stepTarget.timeout / 2);
    }
    return attempt;
}

bool QxBulkWalk::settle(Try &attempt, const QList<QxSNMPBinding> &sent, const QxSNMPReply &got, qint64 elapsedMs,
                        QxSNMPReply &reply)
{
    QxBulkSupport *support = supportOf(m_stepTarget);
    if (attempt.command != QxSNMPTransport::GetBulk) {
        // Only an answered GET-NEXT tells that the GETBULK's failure was the agent's way with GETBULK.
        if (attempt.insteadOfBulk && got.status == 0 && support) {
            if (attempt.afterError || ++support->unanswered >= UnansweredBeforeGetNext)
                support->answers = QxBulkSupport::No;
        }
        reply = got;
        // One successor of each binding, whatever else an agent may have sent.
        if (reply.bindings.size() > sent.size())
            reply.bindings.resize(sent.size());
        return true;
    }
    const qsizetype width = sent.size();
    const int whole = width > 0 ? int(got.bindings.size() / width) : 0;
    if (got.status == 0 && whole > 0) {
        if (support) {
            support->answers = QxBulkSupport::Yes;
            support->unanswered = 0;
        }
        adapt(whole, attempt.repetitions, int(width), elapsedMs, attempt.target.timeout * 10);
        reply = got;
        // A repetition cut short is left out: its columns are asked again.
        reply.bindings.resize(qsizetype(whole) * width);
        return true;
    }
    if (got.status == 0) {
        // Not one whole repetition: this request goes one instance at a time.
        attempt = Try{m_stepTarget, QxSNMPTransport::GetNext};
        return false;
    }
    if (got.status == TooBig && attempt.repetitions > 1) {
        m_repetitions = std::max(1, attempt.repetitions / 2);
        m_ceiling = m_repetitions;
        attempt.repetitions = m_repetitions;
        return false;
    }
    if (got.status > 0 && got.status <= HighestErrorStatus) {
        attempt = getNextInstead(true);
        return false;
    }
    if (got.status == QxNetSnmpStatus::Timeout && support && support->answers == QxBulkSupport::Unknown) {
        attempt = getNextInstead(false);
        return false;
    }
    reply = got;
    return true;
}

void QxBulkWalk::adapt(int whole, int asked, int width, qint64 elapsedMs, int timeoutMs)
{
    if (m_setting > 0)
        return;
    const int cap = std::min({MostRepetitions, std::max(1, MostBindings / std::max(1, width)), m_ceiling});
    if (whole < asked) {
        // The agent gives no more than this (or its view ended): no use asking more.
        m_ceiling = std::max(1, whole);
        m_repetitions = std::min(m_repetitions, m_ceiling);
        return;
    }
    if (elapsedMs > timeoutMs / 3)
        m_repetitions = std::max(1, m_repetitions / 2);
    else if (elapsedMs < timeoutMs / 10)
        m_repetitions = std::min(cap, m_repetitions * 2);
}
