#include "snmp/QxBulkWalk.h"

#include "snmp/QxNetSnmpStatus.h"
#include "snmp/QxSNMPSession.h"

#include <algorithm>

namespace {

constexpr int TooBig = 1;
constexpr int HighestErrorStatus = 18;

// The column's own instances: what a walk's column-end test takes as progress.
bool inside(const QString &column, const QString &oid)
{
    return oid.size() > column.size() + 1 && oid.startsWith(column) && oid[column.size()] == QLatin1Char('.');
}

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
    discard();
}

void QxBulkWalk::discard()
{
    m_asked.clear();
    m_bindings.clear();
    m_left.clear();
    m_width = 0;
    m_whole = 0;
    m_next = 0;
}

bool QxBulkWalk::answer(const QStringList &columns, const QList<QxSNMPBinding> &sent, QxSNMPReply &reply)
{
    if (m_next >= m_whole || sent.size() != m_width || columns.size() != m_width)
        return false;
    QList<QxSNMPBinding> step;
    step.reserve(m_width);
    for (int c = 0; c < m_width; ++c) {
        const QxSNMPBinding &next = m_bindings[m_next * m_width + c];
        const QString &askedFrom = m_next == 0 ? m_asked[c] : m_bindings[(m_next - 1) * m_width + c].oid;
        // The reply answers what was asked from; a column that has left its
        // instances is answered from outside them whatever the walk asks from.
        if (sent[c].oid != askedFrom && !(m_left[c] && !inside(columns[c], next.oid))) {
            discard();
            return false;
        }
        step.append(next);
    }
    for (int c = 0; c < m_width; ++c)
        if (!inside(columns[c], step[c].oid))
            m_left[c] = true;
    ++m_next;
    reply = m_header;
    reply.bindings = std::move(step);
    return true;
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

bool QxBulkWalk::settle(Try &attempt, const QStringList &columns, const QList<QxSNMPBinding> &sent,
                        const QxSNMPReply &got, qint64 elapsedMs, QxSNMPReply &reply)
{
    QxBulkSupport *support = supportOf(m_stepTarget);
    if (attempt.command != QxSNMPTransport::GetBulk) {
        // Only an answered GET-NEXT tells that the GETBULK's failure was the agent's way with GETBULK.
        if (attempt.insteadOfBulk && got.status == 0 && support) {
            if (attempt.afterError || ++support->unanswered >= UnansweredBeforeGetNext)
                support->answers = QxBulkSupport::No;
        }
        reply = got;
        return true;
    }
    if (got.status == 0) {
        const int whole = keep(sent, got);
        if (whole > 0) {
            if (support) {
                support->answers = QxBulkSupport::Yes;
                support->unanswered = 0;
            }
            adapt(whole, attempt.repetitions, int(sent.size()), elapsedMs, attempt.target.timeout * 10);
            if (answer(columns, sent, reply))
                return true;
        }
        // Not one whole repetition: this step goes one instance at a time.
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

int QxBulkWalk::keep(const QList<QxSNMPBinding> &sent, const QxSNMPReply &got)
{
    discard();
    m_width = int(sent.size());
    if (m_width == 0)
        return 0;
    m_whole = int(got.bindings.size()) / m_width;
    if (m_whole == 0)
        return 0;
    for (const QxSNMPBinding &b : sent)
        m_asked << b.oid;
    m_bindings = got.bindings.mid(0, qsizetype(m_whole) * m_width);
    m_header = got;
    m_header.bindings.clear();
    m_left = QList<bool>(m_width, false);
    return m_whole;
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
