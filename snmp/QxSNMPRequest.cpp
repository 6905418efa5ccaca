#include "snmp/QxSNMPRequest.h"

#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxEventWait.h"
#include "snmp/QxExpression.h"
#include "snmp/QxKeyCodec.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxNetSnmpStatus.h"
#include "snmp/QxNumList.h"
#include "snmp/QxNumberText.h"
#include "snmp/QxOidText.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPWrite.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxSNMPTransport.h"
#include "snmp/QxTimeTicks.h"
#include "snmp/QxValueCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>

using namespace QxSyntax;

namespace {

constexpr int kNoSuchName = -102;
constexpr int kShortReply = -411; // "(SNMPClass) Invalid Pdu!"

QString throughOptionsToValue(const QxSNMPVariable &v, const QString &text)
{
    return v.optionList ? v.optionList->textToValue(text) : text;
}

QString throughOptionsToText(const QxSNMPVariable &v, const QString &text)
{
    return v.optionList ? v.optionList->valueToText(text) : text;
}

QxSNMPError errorFor(int code, const QString &text)
{
    QxSNMPError e;
    e.code = code;
    e.message = text;
    return e;
}

} // namespace

QxSNMPRequest::QxSNMPRequest()
    : timeout(defaultTimeout),
      maxRepetitions(defaultMaxRepetitions),
      device(defaultDevice),
      scope(defaultScope),
      security(defaultSecurity),
      m_liveness(std::make_shared<Liveness>())
{
    m_liveness->request = this;
}

QxSNMPRequest::~QxSNMPRequest()
{
    m_alive = false;
    waitForReplies(DestroyWaitMs);
    // Replies that arrive from now on find no request and are dropped.
    m_liveness->request = nullptr;
}

bool QxSNMPRequest::waitForReplies(int ms)
{
    return !QxEventWait::whileHolds([this] { return m_outstanding > 0; }, ms);
}

int QxSNMPRequest::readCommand() const
{
    switch (m_list.itemType()) {
    case SVT_SV:
        return QxSNMPTransport::Get;
    case MVT_SV:
        return nextInsteadOfGet ? QxSNMPTransport::GetNext : QxSNMPTransport::Get;
    case MVT_FMV:
    case MVT_UMV:
        return QxSNMPTransport::GetNext;
    default:
        QxSNMPException::raiseFramework(-515);
    }
}

QList<QxSNMPBinding> QxSNMPRequest::buildPdu(BuildMode mode, QList<QxSNMPWrite::Binding> *written)
{
    QList<QxSNMPBinding> bindings;
    const quint8 kind = m_list.itemType();
    if (kind > MVT_UMV)
        QxSNMPException::raiseFramework(-515);
    QString rowIndex;
    bool rowIndexDone = false;
    for (int i = 0; i < m_list.count(); ++i) {
        QxSNMPVariable &v = m_list.item(i);
        if (mode == FirstRead) {
            if (!m_list.isReadable(i))
                continue;
            v.instanceOid.clear();
            bindings.append({kind == SVT_SV ? m_list.baseOid(i) + QStringLiteral(".0") : m_list.baseOid(i), {}});
            continue;
        }
        if ((m_list.isTableKind() && i < m_list.keyCount()) || !m_list.isWritable(i))
            continue;
        // A variable without a value (a cell the row does not have, which
        // nobody has given one) has nothing to write.
        if (v.valueText == QxValueCodec::nullText())
            continue;
        QxSNMPBinding b;
        if (kind == SVT_SV) {
            b.oid = m_list.baseOid(i) + QStringLiteral(".0");
        } else if (kind == MVT_SV) {
            b.oid = m_list.baseOid(i);
        } else {
            if (!rowIndexDone) {
                // A table without key columns is edited as the one row its read
                // found: a write goes to that row, never to the bare column.
                rowIndex = m_list.keyCount() > 0 ? encodeRowIndex() : readRowInstance();
                if (m_list.keyCount() <= 0 && rowIndex.isEmpty())
                    QxSNMPException::raiseFramework(-514);
                rowIndexDone = true;
            }
            b.oid = rowIndex.isEmpty() ? m_list.baseOid(i) : m_list.baseOid(i) + QLatin1Char('.') + rowIndex;
        }
        try {
            textToVb(i, b);
        } catch (const QxSNMPException &e) {
            // Nothing is sent: the text that cannot be written names its variable.
            throw QxSNMPException(e.code(), e.text() + QStringLiteral(" (") + v.caption + QLatin1Char(')'), i);
        }
        if (written) {
            QxSNMPWrite::Binding w;
            w.position = i;
            w.instance = b.oid;
            w.caption = v.caption;
            if (!v.readOid.isEmpty() && v.readOid == b.oid) {
                w.before = v.readText;
                w.beforeValue = valueOfText(i, v.readText, b.oid);
            }
            w.sent = v.valueText;
            w.secret = v.has(QxAccess::secret);
            w.sentValue = b.value;
            written->append(std::move(w));
        }
        bindings.append(std::move(b));
    }
    return bindings;
}

QxSNMPRequest::ReadOutcome QxSNMPRequest::processRead(const QList<QxSNMPBinding> &sent,
                                                      const QList<QxSNMPBinding> &returned)
{
    // A reply must answer every binding that was sent; a shorter one changes nothing.
    if (returned.size() < sent.size())
        return ReadOutcome::Missing;
    int j = 0;
    for (int i = 0; i < m_list.count(); ++i) {
        if (!m_list.isReadable(i))
            continue;
        const QxSNMPBinding &b = returned[j++];
        vbToText(i, b);
        m_list.item(i).instanceOid = b.oid;
    }
    for (int i = 0; i < m_list.count(); ++i)
        computeDerived(i, true);
    for (int i = 0; i < m_list.count(); ++i)
        if (m_list.isReadable(i))
            noteRead(m_list.item(i));
    return ReadOutcome::Row;
}

void QxSNMPRequest::noteRead(QxSNMPVariable &v)
{
    const bool held = v.valueText != QxValueCodec::nullText() && v.valueText != QxValueCodec::notDoneText();
    v.readText = held ? v.valueText : QString();
    v.readOid = held ? v.instanceOid : QString();
}

QxSNMPRequest::ReadOutcome QxSNMPRequest::processReadGuarded(const QList<QxSNMPBinding> &sent,
                                                             const QList<QxSNMPBinding> &returned)
{
    // Whatever the agent sent, a failure leaves the list as it was.
    const QxSNMPVarList before = m_list;
    try {
        return processRead(sent, returned);
    } catch (...) {
        m_list = before;
        throw;
    }
}

bool QxSNMPRequest::isTableWalk(int command) const
{
    return command == QxSNMPTransport::GetNext && m_list.isTableKind();
}

void QxSNMPRequest::startWalk()
{
    QStringList columns;
    m_walkPositions.clear();
    for (int i = 0; i < m_list.count(); ++i) {
        if (!m_list.isReadable(i))
            continue;
        m_list.item(i).instanceOid.clear();
        m_walkPositions << i;
        columns << m_list.baseOid(i);
    }
    m_walk.start(columns);
    m_bulk.start(maxRepetitions);
}

QxSNMPRequest::Fetch QxSNMPRequest::nextFetch(const QxSNMPTarget &target) const
{
    Fetch fetch;
    fetch.columns = m_walk.wanting();
    // Most steps of a walk in bulk find what they want held already.
    if (fetch.columns.isEmpty())
        return fetch;
    fetch.sent = m_walk.asking(fetch.columns);
    fetch.inBulk = QxBulkWalk::appliesTo(target, maxRepetitions);
    fetch.target = target;
    return fetch;
}

void QxSNMPRequest::absorb(const Fetch &fetch, const QxSNMPReply &reply)
{
    const qsizetype width = fetch.sent.size();
    if (reply.status == 0) {
        if (reply.bindings.size() < width)
            QxSNMPException::raiseStatus(-11);
        const int repetitions = fetch.inBulk ? int(reply.bindings.size() / width) : 1;
        m_walk.take(fetch.columns, reply.bindings, repetitions,
                    [this](const QString &base, const QString &previous, const QString &returned) {
                        return isColumnEnd(base, previous, returned);
                    });
        return;
    }
    const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(reply.status);
    if (mapped.code != kNoSuchName)
        throw QxSNMPException(mapped.code, mapped.text);
    // An SNMPv1 agent answers a GET-NEXT that runs past its last object with
    // noSuchName, the request's own bindings and the index of the one that
    // did: that column has ended, the others are asked again.
    const auto echoed = [&](qsizetype k) { return k < reply.bindings.size() && reply.bindings[k].oid == fetch.sent[k].oid; };
    const qsizetype at = reply.errorIndex - 1;
    if (at >= 0 && at < width && echoed(at)) {
        m_walk.end(fetch.columns[at]);
        return;
    }
    for (qsizetype k = 0; k < width; ++k)
        if (!echoed(k))
            QxSNMPException::raiseStatus(2);
    for (int column : fetch.columns)
        m_walk.end(column);
}

QxSNMPRequest::ReadOutcome QxSNMPRequest::makeRow()
{
    if (!m_walk.nextRow())
        return ReadOutcome::AllEnded;
    const QString &instance = m_walk.rowInstance();
    for (int k = 0; k < m_walk.columnCount() && k < m_walkPositions.size(); ++k) {
        const int i = m_walkPositions[k];
        if (i >= m_list.count())
            continue;
        QxSNMPVariable &v = m_list.item(i);
        switch (m_walk.cell(k)) {
        case QxTableWalk::Cell::Value:
            vbToText(i, m_walk.value(k));
            v.instanceOid = m_walk.value(k).oid;
            continue;
        case QxTableWalk::Cell::NoValue:
            // The agent holds no such cell in this row.
            v.valueText = QxValueCodec::nullText();
            break;
        case QxTableWalk::Cell::Ended:
            v.valueText = QxValueCodec::notDoneText();
            break;
        }
        v.instanceOid = m_walk.base(k) + QLatin1Char('.') + instance;
    }
    decodeRowIndex(instance);
    for (int i = 0; i < m_list.count(); ++i)
        computeDerived(i, true);
    for (int i : std::as_const(m_walkPositions))
        if (i < m_list.count())
            noteRead(m_list.item(i));
    return ReadOutcome::Row;
}

QxSNMPRequest::ReadOutcome QxSNMPRequest::makeRowGuarded()
{
    // Whatever the agent sent, a failure leaves the list as it was.
    const QxSNMPVarList before = m_list;
    try {
        return makeRow();
    } catch (...) {
        m_list = before;
        throw;
    }
}

bool QxSNMPRequest::readRow(bool first)
{
    if (!m_alive)
        return false;
    const auto command = QxSNMPTransport::Command(readCommand());
    if (!isTableWalk(command)) {
        if (!first && (m_list.itemType() == SVT_SV || m_list.itemType() == MVT_SV))
            QxSNMPException::raiseFramework(-510);
        const QList<QxSNMPBinding> sent = buildPdu(FirstRead);
        const QxSNMPTarget target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
        const QxSNMPReply reply = QxSNMPTransport::exchange(target, command, sent);
        if (reply.status != 0)
            QxSNMPException::raiseStatus(reply.status);
        if (processReadGuarded(sent, reply.bindings) == ReadOutcome::Missing)
            QxSNMPException::raiseStatus(-11);
        return false;
    }
    if (first)
        startWalk();
    const QxSNMPTarget target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
    for (Fetch fetch = nextFetch(target); !fetch.columns.isEmpty(); fetch = nextFetch(target)) {
        QxSNMPReply reply;
        if (!fetch.inBulk) {
            reply = QxSNMPTransport::exchange(target, QxSNMPTransport::GetNext, fetch.sent);
        } else {
            QxBulkWalk::Try attempt = m_bulk.firstTry(target);
            for (;;) {
                QElapsedTimer clock;
                clock.start();
                const QxSNMPReply got =
                    QxSNMPTransport::exchange(attempt.target, attempt.command, fetch.sent, attempt.repetitions);
                if (m_bulk.settle(attempt, fetch.sent, got, clock.elapsed(), reply))
                    break;
                // Stopped while it waited (a dialog closing): no further try.
                if (!m_alive) {
                    reply = got;
                    break;
                }
            }
        }
        absorb(fetch, reply);
        if (!m_alive)
            return false;
    }
    return makeRowGuarded() == ReadOutcome::Row;
}

void QxSNMPRequest::readRowAsync(CompletionHandler handler, void *userObject, bool first)
{
    if (!m_alive)
        return;
    const auto command = QxSNMPTransport::Command(readCommand());
    if (!isTableWalk(command)) {
        if (!first && (m_list.itemType() == SVT_SV || m_list.itemType() == MVT_SV))
            QxSNMPException::raiseFramework(-510);
        const QList<QxSNMPBinding> sent = buildPdu(FirstRead);
        const QxSNMPTarget target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
        sendRead(target, command, sent, handler, userObject);
        return;
    }
    if (first)
        startWalk();
    const QxSNMPTarget target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
    const int status = stepAsync(target, handler, userObject);
    if (status != 0)
        QxSNMPException::raiseStatus(status);
    ++m_outstanding;
}

int QxSNMPRequest::stepAsync(const QxSNMPTarget &target, const CompletionHandler &handler, void *userObject)
{
    const Fetch fetch = nextFetch(target);
    if (fetch.columns.isEmpty()) {
        QxSNMPReply made;
        made.agentAddress = target.address;
        made.agentPort = target.port;
        deliverLater(made, handler, userObject);
        return 0;
    }
    if (fetch.inBulk)
        return sendTry(m_bulk.firstTry(target), fetch, handler, userObject);
    std::shared_ptr<Liveness> token = m_liveness;
    return QxSNMPTransport::send(target, QxSNMPTransport::GetNext, fetch.sent,
                                 [token, fetch, handler, userObject](const QxSNMPReply &reply) {
                                     if (QxSNMPRequest *request = token->request)
                                         request->fetched(fetch, reply, handler, userObject);
                                 });
}

int QxSNMPRequest::sendTry(const QxBulkWalk::Try &attempt, const Fetch &fetch, const CompletionHandler &handler,
                           void *userObject)
{
    std::shared_ptr<Liveness> token = m_liveness;
    QElapsedTimer clock;
    clock.start();
    return QxSNMPTransport::send(
        attempt.target, attempt.command, fetch.sent,
        [token, attempt, fetch, handler, userObject, clock](const QxSNMPReply &got) {
            if (QxSNMPRequest *request = token->request)
                request->tryAnswered(attempt, fetch, got, clock.elapsed(), handler, userObject);
        },
        attempt.repetitions);
}

void QxSNMPRequest::tryAnswered(QxBulkWalk::Try attempt, const Fetch &fetch, const QxSNMPReply &got,
                                qint64 elapsedMs, const CompletionHandler &handler, void *userObject)
{
    QxSNMPReply reply = got;
    if (got.status != QxNetSnmpStatus::SessionClosed && !m_bulk.settle(attempt, fetch.sent, got, elapsedMs, reply)) {
        // The step goes on with its next try; the one outstanding reply stays counted.
        if (m_alive) {
            const int status = sendTry(attempt, fetch, handler, userObject);
            if (status == 0)
                return;
            reply.status = status;
        }
    }
    fetched(fetch, reply, handler, userObject);
}

void QxSNMPRequest::fetched(const Fetch &fetch, const QxSNMPReply &reply, const CompletionHandler &handler,
                            void *userObject)
{
    if (reply.status == QxNetSnmpStatus::SessionClosed) {
        --m_outstanding;
        return;
    }
    try {
        absorb(fetch, reply);
    } catch (const QxSNMPException &e) {
        completeStep(reply, &e, handler, userObject);
        return;
    }
    if (!m_walk.wanting().isEmpty()) {
        // Stopped while it waited (a dialog closing): no further request.
        if (!m_alive) {
            completeStep(reply, nullptr, handler, userObject, false);
            return;
        }
        // The row still wants columns (an SNMPv1 column end): the step goes on,
        // its one outstanding reply still counted.
        int status = 0;
        try {
            status = stepAsync(fetch.target, handler, userObject);
        } catch (const QxSNMPException &e) {
            completeStep(reply, &e, handler, userObject);
            return;
        }
        if (status == 0)
            return;
        const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(status);
        const QxSNMPException failure(mapped.code, mapped.text);
        completeStep(reply, &failure, handler, userObject);
        return;
    }
    completeStep(reply, nullptr, handler, userObject);
}

void QxSNMPRequest::deliverLater(const QxSNMPReply &reply, const CompletionHandler &handler, void *userObject)
{
    m_deliveries.push_back({reply, handler, userObject});
    if (!m_delivering && !m_deliveryPosted)
        postDelivery();
}

void QxSNMPRequest::postDelivery()
{
    m_deliveryPosted = true;
    std::shared_ptr<Liveness> token = m_liveness;
    const auto deliver = [token] {
        if (QxSNMPRequest *request = token->request)
            request->deliverFetched();
    };
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, deliver, Qt::QueuedConnection);
    else
        deliver();
}

void QxSNMPRequest::deliverFetched()
{
    // A round of the event loop lets paints and timers in at least this often.
    constexpr qint64 DeliverForMs = 5;
    m_deliveryPosted = false;
    m_delivering = true;
    QElapsedTimer round;
    round.start();
    while (!m_deliveries.empty()) {
        const Delivery next = std::move(m_deliveries.front());
        m_deliveries.pop_front();
        // Its handler asks for the next row: that one joins the queue.
        completeStep(next.reply, nullptr, next.handler, next.userObject);
        if (round.elapsed() >= DeliverForMs)
            break;
    }
    m_delivering = false;
    if (!m_deliveries.empty())
        postDelivery();
}

void QxSNMPRequest::completeStep(const QxSNMPReply &reply, const QxSNMPException *failure,
                                 const CompletionHandler &handler, void *userObject, bool withRow)
{
    struct Done
    {
        int &outstanding;
        ~Done() { --outstanding; }
    } done{m_outstanding};
    QxSNMPError error = errorFor(0, QxMessageCatalogue::instance().mapLibraryStatus(0).text);
    error.errorIndex = reply.errorIndex;
    error.agentAddress = reply.agentAddress;
    error.agentPort = reply.agentPort;
    error.endOfData = true;
    if (failure) {
        error.code = failure->code();
        error.message = failure->text();
    } else if (withRow) {
        try {
            error.endOfData = makeRowGuarded() != ReadOutcome::Row;
        } catch (const QxSNMPException &e) {
            error.code = e.code();
            error.message = e.text();
        }
    }
    if (handler)
        handler(userObject, error, m_list);
}

void QxSNMPRequest::completeRead(const QxSNMPReply &reply, const QList<QxSNMPBinding> &sent,
                                 const CompletionHandler &handler, void *userObject)
{
    struct Done
    {
        int &outstanding;
        ~Done() { --outstanding; }
    } done{m_outstanding};
    if (reply.status == QxNetSnmpStatus::SessionClosed)
        return;

    const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(reply.status);
    QxSNMPError error = errorFor(mapped.code, mapped.text);
    error.errorIndex = reply.errorIndex;
    error.agentAddress = reply.agentAddress;
    error.agentPort = reply.agentPort;
    error.endOfData = true;
    if (error.code == 0) {
        try {
            if (processReadGuarded(sent, reply.bindings) == ReadOutcome::Missing) {
                const auto bad = QxMessageCatalogue::instance().mapLibraryStatus(-11);
                error.code = bad.code;
                error.message = bad.text;
            }
        } catch (const QxSNMPException &e) {
            error.code = e.code();
            error.message = e.text();
        }
    }
    if (handler)
        handler(userObject, error, m_list);
}

void QxSNMPRequest::applySelection(const QString &selectionList, const QStringList &valueSource)
{
    if (selectionList.isEmpty())
        return;
    const QxNumList<int> selection(selectionList, QLatin1Char(','));
    for (int i = 0; i < m_list.count(); ++i) {
        QxSNMPVariable &v = m_list.item(i);
        const int p = selection.indexOf(i);
        if (p < 0) {
            v.setFlag(QxAccess::invalid, true);
            continue;
        }
        v.setFlag(QxAccess::invalid, false);
        if (!valueSource.isEmpty() && p < valueSource.size())
            v.valueText = valueSource.at(p);
    }
}

void QxSNMPRequest::prepareWrite(const QxSNMPVarList &before, const QString &selectionList,
                                 const QStringList &valueSource, QxSNMPTarget &target, QList<QxSNMPBinding> &bindings,
                                 QxSNMPWrite &record)
{
    // Whatever fails while the write is put together leaves the list as it was.
    try {
        applySelection(selectionList, valueSource);
        for (int i = 0; i < m_list.count(); ++i)
            computeDerived(i, false);
        target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
        bindings = buildPdu(Write, &record.bindings);
    } catch (...) {
        m_list = before;
        throw;
    }
}

std::optional<QxSNMPValue> QxSNMPRequest::valueOfText(int position, const QString &text, const QString &oid)
{
    if (text == QxValueCodec::nullText())
        return std::nullopt;
    QxSNMPVariable &v = m_list.item(position);
    const QString kept = v.valueText;
    v.valueText = text;
    std::optional<QxSNMPValue> value;
    try {
        QxSNMPBinding b{oid, {}};
        textToVb(position, b);
        value = b.value;
    } catch (const QxSNMPException &) {
        // A text as read that cannot be written back has no value to go back to.
    }
    v.valueText = kept;
    return value;
}

void QxSNMPRequest::noteRowBefore(QxSNMPWrite &record)
{
    // A row destroyed: its other cells as last read, to make it again from.
    const auto destroys = std::find_if(record.bindings.cbegin(), record.bindings.cend(), [](const auto &b) {
        return b.sent == QLatin1String("destroy");
    });
    if (destroys == record.bindings.cend() || !m_list.isTableKind())
        return;
    const QString row = destroys->instance.section(QLatin1Char('.'), m_list.baseOid(destroys->position).count(QLatin1Char('.')) + 1);
    for (int i = m_list.keyCount(); i < m_list.count(); ++i) {
        const QxSNMPVariable &v = m_list.item(i);
        // Columns kept out of the delete count too: they are the row's cells.
        if (i == destroys->position || !v.has(QxAccess::writeonly) || v.has(QxAccess::secret) || v.readOid.isEmpty()
            || v.readOid != m_list.baseOid(i) + QLatin1Char('.') + row || v.readText == QxValueCodec::nullText())
            continue;
        if (std::optional<QxSNMPValue> value = valueOfText(i, v.readText, v.readOid)) {
            QxSNMPWrite::Binding b;
            b.position = i;
            b.instance = v.readOid;
            b.caption = v.caption;
            b.before = v.readText;
            b.beforeValue = value;
            record.rowBefore.append(std::move(b));
        }
    }
}

void QxSNMPRequest::write(const QString &selectionList, const QStringList &valueSource, bool wait,
                          const WriteDone &done)
{
    const QxSNMPVarList before = m_list;
    QList<QxSNMPBinding> bindings;
    QxSNMPTarget target;
    QxSNMPWrite record;
    m_walk.discard();
    prepareWrite(before, selectionList, valueSource, target, bindings, record);
    m_list = before;
    noteRowBefore(record);
    sendWrite(target, bindings, std::move(record), wait, done);
}

void QxSNMPRequest::writeValues(QxSNMPWrite record, bool wait, const WriteDone &done)
{
    QList<QxSNMPBinding> bindings;
    for (const QxSNMPWrite::Binding &b : record.bindings)
        bindings.append({b.instance, b.sentValue});
    m_walk.discard();
    sendWrite(QxSNMPTransport::makeTarget(device, security, scope, timeout, retries), bindings, std::move(record), wait,
              done);
}

QList<QxSNMPValue> QxSNMPRequest::readValues(const QStringList &instances)
{
    QList<QxSNMPBinding> bindings;
    for (const QString &instance : instances)
        bindings.append({instance, {}});
    const QxSNMPReply reply = QxSNMPTransport::exchange(
        QxSNMPTransport::makeTarget(device, security, scope, timeout, retries), QxSNMPTransport::Get, bindings);
    if (QxMessageCatalogue::instance().mapLibraryStatus(reply.status).code == kNoSuchName) {
        // SNMPv1 refuses the whole GET for one missing instance: each is asked
        // alone, and a missing one reads as no such instance, as in SNMPv2.
        QList<QxSNMPValue> values;
        for (const QString &instance : instances)
            values.append(instances.size() == 1 ? QxSNMPValue::unsignedValue(QxSNMPValue::NoSuchInstance, 0)
                                                : readValues({instance}).value(0));
        return values;
    }
    if (reply.status != 0) {
        const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(reply.status);
        throw QxSNMPException(mapped.code, mapped.text);
    }
    QList<QxSNMPValue> values;
    for (const QxSNMPBinding &b : reply.bindings)
        values.append(b.value);
    return values;
}

void QxSNMPRequest::sendWrite(const QxSNMPTarget &target, const QList<QxSNMPBinding> &bindings, QxSNMPWrite record,
                              bool wait, const WriteDone &done)
{
    if (const QxSNMPSession *session = globalSession()) {
        if (record.command.isEmpty())
            record.command = session->command();
        if (!session->writeAllowed(record))
            throw QxSNMPException(QxSNMPWrite::NotSentCode, QString::fromLatin1(QxSNMPWrite::NotSentText));
    }
    if (wait) {
        finishWrite(record, QxSNMPTransport::exchange(target, QxSNMPTransport::Set, bindings));
        if (done)
            done(record);
        return;
    }
    std::shared_ptr<Liveness> token = m_liveness;
    const int status = QxSNMPTransport::send(target, QxSNMPTransport::Set, bindings,
                                             [token, record, done](const QxSNMPReply &reply) mutable {
                                                 QxSNMPRequest *request = token->request;
                                                 if (reply.status != QxNetSnmpStatus::SessionClosed) {
                                                     // Told even when the request has gone: it was sent.
                                                     finishWrite(record, reply);
                                                     if (request && done)
                                                         done(record);
                                                 }
                                                 if (request)
                                                     --request->m_outstanding;
                                             });
    if (status != 0)
        QxSNMPException::raiseStatus(status);
    ++m_outstanding;
}

void QxSNMPRequest::finishWrite(QxSNMPWrite &record, const QxSNMPReply &reply)
{
    const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(reply.status);
    record.code = mapped.code;
    record.text = mapped.text;
    record.errorIndex = reply.errorIndex;
    record.agentAddress = reply.agentAddress;
    record.agentPort = reply.agentPort;
    // An agent's error status names the binding it refused (from 1).
    record.refused = reply.status > 0 && reply.errorIndex >= 1 && reply.errorIndex <= record.bindings.size()
                         ? reply.errorIndex - 1
                         : -1;
    if (QxSNMPSession *session = globalSession())
        session->reportWrite(record);
}

void QxSNMPRequest::writeRow(const QString &selectionList, const QStringList &valueSource)
{
    if (!m_alive)
        return;
    QxSNMPWrite outcome;
    write(selectionList, valueSource, true, [&outcome](const QxSNMPWrite &record) { outcome = record; });
    if (!outcome.wentThrough())
        throw QxSNMPException(outcome.code, outcome.message(), outcome.refusedPosition());
}

void QxSNMPRequest::writeRowAsync(CompletionHandler handler, void *userObject, const QString &selectionList,
                                  const QStringList &valueSource)
{
    if (!m_alive)
        return;
    write(selectionList, valueSource, false, [this, handler, userObject](const QxSNMPWrite &record) {
        QxSNMPError error = errorFor(record.code, record.message());
        error.errorIndex = record.errorIndex;
        error.agentAddress = record.agentAddress;
        error.agentPort = record.agentPort;
        error.variable = record.refusedPosition();
        if (handler)
            handler(userObject, error, m_list);
    });
}

void QxSNMPRequest::sendRead(const QxSNMPTarget &target, int command, const QList<QxSNMPBinding> &sent,
                             const CompletionHandler &handler, void *userObject)
{
    std::shared_ptr<Liveness> token = m_liveness;
    const int status = QxSNMPTransport::send(target, QxSNMPTransport::Command(command), sent,
                                             [token, sent, handler, userObject](const QxSNMPReply &reply) {
                                                 if (QxSNMPRequest *request = token->request)
                                                     request->completeRead(reply, sent, handler, userObject);
                                             });
    if (status != 0)
        QxSNMPException::raiseStatus(status);
    ++m_outstanding;
}

QString QxSNMPRequest::readRowInstance() const
{
    for (int i = 0; i < m_list.count(); ++i) {
        const QString base = m_list.baseOid(i) + QLatin1Char('.');
        const QString &instance = m_list.item(i).instanceOid;
        if (m_list.isReadable(i) && instance.size() > base.size() && instance.startsWith(base))
            return instance.mid(base.size());
    }
    return QString();
}

QString QxSNMPRequest::encodeRowIndex()
{
    QString index;
    for (int i = 0; i < m_list.keyCount() && i < m_list.count(); ++i) {
        const QString part = encodeKey(i);
        if (part.isEmpty())
            continue;
        if (!index.isEmpty())
            index += QLatin1Char('.');
        index += part;
    }
    return index;
}

void QxSNMPRequest::decodeRowIndex(const QString &rowInstance)
{
    QString rest = rowInstance;
    for (int i = 0; i < m_list.keyCount(); ++i) {
        if (i >= m_list.count() || rest.isEmpty())
            QxSNMPException::raiseFramework(-514);
        if (!m_list.isReadable(i))
            m_list.item(i).instanceOid = m_list.baseOid(i) + QLatin1Char('.') + rowInstance;
        rest = decodeKey(i, rest);
    }
}

QString QxSNMPRequest::decodeKey(int position, const QString &instance)
{
    QxSNMPVariable &v = m_list.item(position);
    const bool lastImplied = position == m_list.keyCount() - 1 && v.has(QxAccess::implied);
    QString text;
    const QString rest = QxKeyCodec::decode(instance, v.syntax, lastImplied, text);
    v.valueText = throughOptionsToText(v, text);
    return rest;
}

QString QxSNMPRequest::encodeKey(int position)
{
    const QxSNMPVariable &v = m_list.item(position);
    const bool lastImplied = position == m_list.keyCount() - 1 && v.has(QxAccess::implied);
    return QxKeyCodec::encode(throughOptionsToValue(v, v.valueText), v.syntax, lastImplied);
}

void QxSNMPRequest::vbToText(int position, const QxSNMPBinding &binding)
{
    QxSNMPVariable &v = m_list.item(position);
    v.valueText = throughOptionsToText(v, QxValueCodec::toText(binding.value, v.syntax));
}

void QxSNMPRequest::textToVb(int position, QxSNMPBinding &binding)
{
    const QxSNMPVariable &v = m_list.item(position);
    binding.value = QxValueCodec::fromText(throughOptionsToValue(v, v.valueText), v.syntax);
}

bool QxSNMPRequest::isColumnEnd(const QString &baseOid, const QString &previousInstance, const QString &returnedOid)
{
    if (!m_list.isTableKind())
        return false;
    if (returnedOid.size() <= baseOid.size() + 1 || !returnedOid.startsWith(baseOid)
        || returnedOid[baseOid.size()] != QLatin1Char('.'))
        return true;
    // No progress, or an agent going backwards, ends the column: a walk always ends.
    return !previousInstance.isEmpty() && QxOidText::compare(returnedOid, previousInstance) <= 0;
}

QString QxSNMPRequest::substituteValues(const QString &expression, QChar marker, bool quoteStrings)
{
    QString text = expression;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(marker, from); at >= 0; at = text.indexOf(marker, from)) {
        qsizetype end = at + 1;
        while (end < text.size() && text[end].unicode() >= '0' && text[end].unicode() <= '9')
            ++end;
        bool ok = false;
        const int n = text.mid(at + 1, end - at - 1).toInt(&ok);
        if (!ok || n < 0 || n >= m_list.count())
            QxSNMPException::raiseCommon(12);
        const QxSNMPVariable &v = m_list.item(n);
        const QString value = throughOptionsToValue(v, v.valueText);
        if (value == QxValueCodec::nullText())
            QxSNMPException::raiseFramework(-512);
        QString inserted;
        switch (v.syntax) {
        case boolean: case bool8: case bool16:
            inserted = QString::fromLatin1(value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ? "1" : "0");
            break;
        case integer: case counter: case guage: case counter64: case uinteger: case double_:
        case int8: case uint8: case int16: case uint16:
            inserted = value;
            break;
        case timeticks:
            inserted = QString::number(QxTimeTicks::fromText(value));
            break;
        case bcdatetime:
            inserted = QxNumberText::realText(QxDateTimeDouble::fromText(value));
            break;
        default:
            if (!quoteStrings)
                QxSNMPException::raiseFramework(-513);
            inserted = QLatin1Char('"') + value + QLatin1Char('"');
        }
        text.replace(at, end - at, inserted);
        // Continue after the inserted value: a value that holds the marker is data.
        from = at + inserted.size();
    }
    return text;
}

void QxSNMPRequest::computeDerived(int position, bool afterRead)
{
    QxSNMPVariable &v = m_list.item(position);
    const QString &expression = afterRead ? v.readExpression : v.writeExpression;
    if (expression.isEmpty())
        return;
    const double value = QxExpression::evaluate(substituteValues(expression, QLatin1Char('$'), false));
    if (!std::isfinite(value))
        QxSNMPException::raiseFramework(-518);
    const double whole = std::trunc(value);
    QString text;
    switch (v.syntax) {
    case boolean:
        text = QString::fromLatin1(value != 0 ? "true" : "false");
        break;
    case integer:
        if (whole < -2147483648.0 || whole > 2147483647.0)
            QxSNMPException::raiseFramework(-518);
        text = QString::number(qint64(whole));
        break;
    case counter:
    case guage:
    case uinteger:
        if (whole < 0 || whole > 4294967295.0)
            QxSNMPException::raiseFramework(-518);
        text = QString::number(quint64(whole));
        break;
    case timeticks:
        if (whole < 0 || whole > 4294967295.0)
            QxSNMPException::raiseFramework(-518);
        text = QxTimeTicks::toText(quint64(whole));
        break;
    case counter64:
        if (whole < 0 || whole >= 18446744073709551616.0)
            QxSNMPException::raiseFramework(-518);
        text = QString::number(quint64(whole));
        break;
    case double_:
        text = QxNumberText::realText(value);
        break;
    case bcdatetime:
        text = QxDateTimeDouble::toText(value);
        break;
    default:
        QxSNMPException::raiseFramework(-513);
    }
    v.valueText = throughOptionsToText(v, text);
}

bool QxSNMPRequest::evaluateCondition(const QString &expression)
{
    if (expression.isEmpty())
        return true;
    return QxExpression::evaluateLogic(substituteValues(expression, QLatin1Char('$'), true));
}
