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

QList<QxSNMPBinding> QxSNMPRequest::buildPdu(BuildMode mode)
{
    QList<QxSNMPBinding> bindings;
    const quint8 kind = m_list.itemType();
    if (kind > MVT_UMV)
        QxSNMPException::raiseFramework(-515);
    if (mode == NextRead && (kind == SVT_SV || kind == MVT_SV))
        QxSNMPException::raiseFramework(-510);
    QString rowIndex;
    bool rowIndexDone = false;
    for (int i = 0; i < m_list.count(); ++i) {
        QxSNMPVariable &v = m_list.item(i);
        if (mode == FirstRead || mode == NextRead) {
            if (!m_list.isReadable(i))
                continue;
            if (mode == FirstRead) {
                v.instanceOid.clear();
                bindings.append({kind == SVT_SV ? m_list.baseOid(i) + QStringLiteral(".0") : m_list.baseOid(i), {}});
            } else {
                bindings.append({v.instanceOid.isEmpty() ? m_list.baseOid(i) : v.instanceOid, {}});
            }
            continue;
        }
        if ((m_list.isTableKind() && i < m_list.keyCount()) || !m_list.isWritable(i))
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
        textToVb(i, b);
        bindings.append(std::move(b));
    }
    return bindings;
}

QxSNMPRequest::ReadOutcome QxSNMPRequest::processRead(const QList<QxSNMPBinding> &sent,
                                                      const QList<QxSNMPBinding> &returned, int code)
{
    // A reply must answer every binding that was sent; a shorter one changes nothing.
    if (returned.size() < sent.size())
        return ReadOutcome::Missing;
    const bool table = m_list.isTableKind();
    QString rowInstance;
    bool haveRowInstance = false;
    int processed = 0;
    int ended = 0;
    int j = 0;
    for (int i = 0; i < m_list.count(); ++i) {
        if (!m_list.isReadable(i))
            continue;
        QxSNMPVariable &v = m_list.item(i);
        const QString base = m_list.baseOid(i);
        const QxSNMPBinding &b = returned[j];
        const QString &sentOid = sent[j].oid;
        ++j;
        ++processed;
        if (code == kNoSuchName) {
            // An SNMPv1 agent ends a table by echoing the request's own OIDs, on
            // the first read of an empty table as on the read after the last row.
            if (b.oid == sentOid || (!v.instanceOid.isEmpty() && b.oid == v.instanceOid))
                return ReadOutcome::EndOfTable;
            QxSNMPException::raiseStatus(2);
        }
        if (isColumnEnd(base, v.instanceOid, b.oid)) {
            ++ended;
            v.valueText = QxValueCodec::notDoneText();
            QString next;
            try {
                const QString index = encodeRowIndex();
                next = index.isEmpty() ? QString() : base + QLatin1Char('.') + index;
            } catch (const QxSNMPException &) {
                // No row has been decoded yet: stay where the column ended.
            }
            if (next.isEmpty() || (!v.instanceOid.isEmpty() && QxOidText::compare(next, v.instanceOid) < 0))
                next = v.instanceOid.isEmpty() ? b.oid : v.instanceOid;
            v.instanceOid = next;
            continue;
        }
        vbToText(i, b);
        v.instanceOid = b.oid;
        if (!haveRowInstance && b.oid.size() > base.size() + 1 && b.oid.startsWith(base)
            && b.oid[base.size()] == QLatin1Char('.')) {
            rowInstance = b.oid.mid(base.size() + 1);
            haveRowInstance = true;
        }
    }
    if (table && ended == processed)
        return ReadOutcome::AllEnded;
    if (ended == processed && processed > 0)
        return ReadOutcome::AllEnded;
    if (table)
        decodeRowIndex(rowInstance);
    for (int i = 0; i < m_list.count(); ++i)
        computeDerived(i, true);
    return ReadOutcome::Row;
}

QxSNMPRequest::ReadOutcome QxSNMPRequest::processReadGuarded(const QList<QxSNMPBinding> &sent,
                                                             const QList<QxSNMPBinding> &returned, int code)
{
    // Whatever the agent sent, a failure leaves the list as it was.
    const QxSNMPVarList before = m_list;
    try {
        return processRead(sent, returned, code);
    } catch (...) {
        m_list = before;
        throw;
    }
}

bool QxSNMPRequest::walksInBulk(int command, const QxSNMPTarget &target) const
{
    return command == QxSNMPTransport::GetNext && m_list.isTableKind() && QxBulkWalk::appliesTo(target, maxRepetitions);
}

QStringList QxSNMPRequest::walkedColumns() const
{
    QStringList columns;
    for (int i = 0; i < m_list.count(); ++i)
        if (m_list.isReadable(i))
            columns << m_list.baseOid(i);
    return columns;
}

QxSNMPReply QxSNMPRequest::bulkStep(const QxSNMPTarget &target, const QList<QxSNMPBinding> &sent)
{
    const QStringList columns = walkedColumns();
    QxSNMPReply reply;
    if (m_bulk.answer(columns, sent, reply))
        return reply;
    QxBulkWalk::Try attempt = m_bulk.firstTry(target);
    for (;;) {
        QElapsedTimer clock;
        clock.start();
        const QxSNMPReply got = QxSNMPTransport::exchange(attempt.target, attempt.command, sent, attempt.repetitions);
        if (m_bulk.settle(attempt, columns, sent, got, clock.elapsed(), reply))
            return reply;
        // Stopped while it waited (a dialog closing): no further try.
        if (!m_alive)
            return got;
    }
}

bool QxSNMPRequest::readRow(bool first)
{
    if (!m_alive)
        return false;
    const auto command = QxSNMPTransport::Command(readCommand());
    if (first)
        m_bulk.start(maxRepetitions);
    const QList<QxSNMPBinding> sent = buildPdu(first ? FirstRead : NextRead);
    const QxSNMPTarget target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
    const QxSNMPReply reply = walksInBulk(command, target) ? bulkStep(target, sent)
                                                           : QxSNMPTransport::exchange(target, command, sent);
    const auto mapped = QxMessageCatalogue::instance().mapLibraryStatus(reply.status);
    if (mapped.code != 0 && !(mapped.code == kNoSuchName && m_list.isTableKind()))
        throw QxSNMPException(mapped.code, mapped.text);
    switch (processReadGuarded(sent, reply.bindings, mapped.code)) {
    case ReadOutcome::Row:
        return m_list.isTableKind();
    case ReadOutcome::Missing:
        QxSNMPException::raiseStatus(-11);
    case ReadOutcome::AllEnded:
    case ReadOutcome::EndOfTable:
        break;
    }
    return false;
}

void QxSNMPRequest::readRowAsync(CompletionHandler handler, void *userObject, bool first)
{
    if (!m_alive)
        return;
    const auto command = QxSNMPTransport::Command(readCommand());
    if (first)
        m_bulk.start(maxRepetitions);
    const QList<QxSNMPBinding> sent = buildPdu(first ? FirstRead : NextRead);
    const QxSNMPTarget target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
    int status = 0;
    if (walksInBulk(command, target)) {
        QxSNMPReply buffered;
        if (m_bulk.answer(walkedColumns(), sent, buffered)) {
            ++m_outstanding;
            deliverLater(buffered, sent, handler, userObject);
            return;
        }
        status = sendTry(m_bulk.firstTry(target), sent, handler, userObject);
    } else {
        std::shared_ptr<Liveness> token = m_liveness;
        status = QxSNMPTransport::send(target, command, sent,
                                       [token, sent, handler, userObject](const QxSNMPReply &reply) {
                                           if (QxSNMPRequest *request = token->request)
                                               request->completeAsync(reply, sent, true, handler, userObject);
                                       });
    }
    if (status != 0)
        QxSNMPException::raiseStatus(status);
    ++m_outstanding;
}

int QxSNMPRequest::sendTry(const QxBulkWalk::Try &attempt, const QList<QxSNMPBinding> &sent,
                           const CompletionHandler &handler, void *userObject)
{
    std::shared_ptr<Liveness> token = m_liveness;
    QElapsedTimer clock;
    clock.start();
    return QxSNMPTransport::send(
        attempt.target, attempt.command, sent,
        [token, attempt, sent, handler, userObject, clock](const QxSNMPReply &got) {
            if (QxSNMPRequest *request = token->request)
                request->tryAnswered(attempt, sent, got, clock.elapsed(), handler, userObject);
        },
        attempt.repetitions);
}

void QxSNMPRequest::tryAnswered(QxBulkWalk::Try attempt, const QList<QxSNMPBinding> &sent, const QxSNMPReply &got,
                                qint64 elapsedMs, const CompletionHandler &handler, void *userObject)
{
    QxSNMPReply reply = got;
    if (got.status != QxNetSnmpStatus::SessionClosed
        && !m_bulk.settle(attempt, walkedColumns(), sent, got, elapsedMs, reply)) {
        // The step goes on with its next try; the one outstanding reply stays counted.
        if (m_alive) {
            const int status = sendTry(attempt, sent, handler, userObject);
            if (status == 0)
                return;
            reply.status = status;
        }
    }
    completeAsync(reply, sent, true, handler, userObject);
}

void QxSNMPRequest::deliverLater(const QxSNMPReply &reply, const QList<QxSNMPBinding> &sent,
                                 const CompletionHandler &handler, void *userObject)
{
    m_deliveries.push_back({reply, sent, handler, userObject});
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
        completeAsync(next.reply, next.sent, true, next.handler, next.userObject);
        if (round.elapsed() >= DeliverForMs)
            break;
    }
    m_delivering = false;
    if (!m_deliveries.empty())
        postDelivery();
}

void QxSNMPRequest::completeAsync(const QxSNMPReply &reply, const QList<QxSNMPBinding> &sent, bool read,
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
    const bool table = m_list.isTableKind();
    if ((error.code == 0 && read) || (error.code == kNoSuchName && table)) {
        try {
            switch (processReadGuarded(sent, reply.bindings, error.code)) {
            case ReadOutcome::Row:
                error.endOfData = !table;
                break;
            case ReadOutcome::EndOfTable: {
                const auto ok = QxMessageCatalogue::instance().mapLibraryStatus(0);
                error.code = ok.code;
                error.message = ok.text;
                break;
            }
            case ReadOutcome::Missing: {
                const auto bad = QxMessageCatalogue::instance().mapLibraryStatus(-11);
                error.code = bad.code;
                error.message = bad.text;
                break;
            }
            case ReadOutcome::AllEnded:
                break;
            }
        } catch (const QxSNMPException &e) {
            error.code = e.code();
            error.message = e.text();
            error.endOfData = true;
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
                                 const QStringList &valueSource, QxSNMPTarget &target, QList<QxSNMPBinding> &bindings)
{
    // Whatever fails while the write is put together leaves the list as it was.
    try {
        applySelection(selectionList, valueSource);
        for (int i = 0; i < m_list.count(); ++i)
            computeDerived(i, false);
        target = QxSNMPTransport::makeTarget(device, security, scope, timeout, retries);
        bindings = buildPdu(Write);
    } catch (...) {
        m_list = before;
        throw;
    }
}

void QxSNMPRequest::writeRow(const QString &selectionList, const QStringList &valueSource)
{
    if (!m_alive)
        return;
    const QxSNMPVarList before = m_list;
    QList<QxSNMPBinding> bindings;
    QxSNMPTarget target;
    m_bulk.discard();
    prepareWrite(before, selectionList, valueSource, target, bindings);
    const QxSNMPReply reply = QxSNMPTransport::exchange(target, QxSNMPTransport::Set, bindings);
    m_list = before;
    if (reply.status != 0)
        QxSNMPException::raiseStatus(reply.status);
}

void QxSNMPRequest::writeRowAsync(CompletionHandler handler, void *userObject, const QString &selectionList,
                                  const QStringList &valueSource)
{
    if (!m_alive)
        return;
    const QxSNMPVarList before = m_list;
    QList<QxSNMPBinding> bindings;
    QxSNMPTarget target;
    m_bulk.discard();
    prepareWrite(before, selectionList, valueSource, target, bindings);
    m_list = before;
    std::shared_ptr<Liveness> token = m_liveness;
    const int status = QxSNMPTransport::send(target, QxSNMPTransport::Set, bindings,
                                             [token, bindings, handler, userObject](const QxSNMPReply &reply) {
                                                 if (QxSNMPRequest *request = token->request)
                                                     request->completeAsync(reply, bindings, false, handler,
                                                                            userObject);
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
