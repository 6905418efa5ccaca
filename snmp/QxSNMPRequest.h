#pragma once

#include "snmp/QxBulkWalk.h"
#include "snmp/QxSNMPBinding.h"
#include "snmp/QxSNMPDevice.h"
#include "snmp/QxSNMPError.h"
#include "snmp/QxSNMPScope.h"
#include "snmp/QxSNMPTarget.h"
#include "snmp/QxSNMPSecurity.h"
#include "snmp/QxSNMPTransport.h"
#include "snmp/QxSNMPVarList.h"
#include "snmp/QxSNMPWrite.h"
#include "snmp/QxTableWalk.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

struct QxSNMPReply;
class QxSNMPException;

// Turns a variable list into SNMP exchanges with the agent: scalar groups and
// single rows are one GET, tables are walked row by row (each column goes on
// with GET-NEXT, or many instances at a time with GETBULK for SNMPv2c and
// SNMPv3, see QxBulkWalk; QxTableWalk makes the rows, a cell the agent does
// not hold reading "(NULL)"), writes are one SET of every writable variable. Each exchange
// runs synchronously or asynchronously (the completion handler then runs inside
// the event pump, or for a row already fetched from the next round of the event
// loop). Every failure is raised as a QxSNMPException.
class QxSNMPRequest
{
public:
    using CompletionHandler = std::function<void(void *userObject, const QxSNMPError &error, QxSNMPVarList &list)>;

    static constexpr int DestroyWaitMs = 6000;

    // Copies the process defaults.
    QxSNMPRequest();
    // Clears alive and waits (processing events) up to 6000 ms for outstanding
    // replies; replies that come later find the request gone and are dropped.
    virtual ~QxSNMPRequest();
    QxSNMPRequest(const QxSNMPRequest &) = delete;
    QxSNMPRequest &operator=(const QxSNMPRequest &) = delete;

    bool nextInsteadOfGet = false; // MVT_SV: GET-NEXT instead of GET
    int timeout;                   // hundredths of a second
    int retries = 1;
    int maxRepetitions;            // a walk's GETBULK size: see defaultMaxRepetitions
    QxSNMPDevice device;
    QxSNMPScope scope;
    QxSNMPSecurity security;
    QString rowCondition;          // a row must satisfy it to be accepted (controllers)

    QxSNMPVarList &varList() { return m_list; }
    const QxSNMPVarList &varList() const { return m_list; }

    bool alive() const { return m_alive; }
    void setAlive(bool alive) { m_alive = alive; }
    int outstanding() const { return m_outstanding; }

    // Reads the list (first = start a read or walk from the beginning). Returns
    // true when a table row was read and another may follow.
    bool readRow(bool first);
    void readRowAsync(CompletionHandler handler, void *userObject, bool first);
    // Writes the writable variables; selectionList ("0,2") restricts the write to
    // those positions, valueSource gives their texts in the same order. The list's
    // marks and value texts are as before afterwards, whatever the outcome.
    void writeRow(const QString &selectionList = QString(), const QStringList &valueSource = QStringList());
    void writeRowAsync(CompletionHandler handler, void *userObject, const QString &selectionList = QString(),
                       const QStringList &valueSource = QStringList());
    // The one way a SET leaves the module (writeRow and writeRowAsync come
    // here): puts the write together, sends it, waits for the reply when asked
    // (else `done` runs later, as a completion does), and tells the session's
    // write listener and `done`, binding by binding, what was written where,
    // what was there before and what the agent said.
    using WriteDone = std::function<void(const QxSNMPWrite &)>;
    void write(const QString &selectionList, const QStringList &valueSource, bool wait, const WriteDone &done);
    // Writes values as they go on the wire (each binding's instance and
    // sentValue), as an undo does: the same send, record and report as write.
    void writeValues(QxSNMPWrite record, bool wait, const WriteDone &done);
    // One GET of the instances, waited for; raises the catalogue's error.
    QList<QxSNMPValue> readValues(const QStringList &instances);

    // Processes GUI events until no reply is outstanding or ms have passed.
    // Returns whether every reply is in.
    bool waitForReplies(int ms);

    // The instance of the current row from the key columns' value texts.
    QString encodeRowIndex();
    // The row instance the last read of a table row returned (what follows a
    // column's identifier), or empty before a row was read.
    QString readRowInstance() const;
    // Stores the key columns' values from a row instance; raises -514 when the
    // instance runs out before the keys do.
    void decodeRowIndex(const QString &rowInstance);

    virtual QString substituteValues(const QString &expression, QChar marker, bool quoteStrings);
    virtual QString decodeKey(int position, const QString &instance);
    virtual QString encodeKey(int position);
    virtual void vbToText(int position, const QxSNMPBinding &binding);
    virtual void textToVb(int position, QxSNMPBinding &binding);
    virtual void computeDerived(int position, bool afterRead);
    virtual bool evaluateCondition(const QString &expression);
    virtual bool isColumnEnd(const QString &baseOid, const QString &previousInstance, const QString &returnedOid);

private:
    enum class ReadOutcome { Row, AllEnded, EndOfTable, Missing };
    enum BuildMode { FirstRead = 0, Write = 2 };
    struct Liveness
    {
        QxSNMPRequest *request = nullptr;
    };
    // One request of a walk step for the columns' next instances.
    struct Fetch
    {
        QList<int> columns;
        QList<QxSNMPBinding> sent;
        bool inBulk = false;
        QxSNMPTarget target;
    };

    int readCommand() const;
    bool isTableWalk(int command) const;
    void startWalk();
    Fetch nextFetch(const QxSNMPTarget &target) const;
    // Hands a fetch's reply to the walk; raises what the agent reported (an
    // SNMPv1 agent's noSuchName for a column that ended only ends it).
    void absorb(const Fetch &fetch, const QxSNMPReply &reply);
    // The row the walk's columns now make, into the list.
    ReadOutcome makeRow();
    // The value just read is what the agent holds there (or nothing).
    static void noteRead(QxSNMPVariable &v);
    ReadOutcome makeRowGuarded();
    // One step of an asynchronous walk: asks for what the next row wants, or
    // makes it from the event loop when nothing is wanting. Returns the send
    // status.
    int stepAsync(const QxSNMPTarget &target, const CompletionHandler &handler, void *userObject);
    int sendTry(const QxBulkWalk::Try &attempt, const Fetch &fetch, const CompletionHandler &handler,
                void *userObject);
    void tryAnswered(QxBulkWalk::Try attempt, const Fetch &fetch, const QxSNMPReply &got, qint64 elapsedMs,
                     const CompletionHandler &handler, void *userObject);
    void fetched(const Fetch &fetch, const QxSNMPReply &reply, const CompletionHandler &handler, void *userObject);
    // A row already fetched reaches the handler from the event loop, as a reply
    // would; the rows asked for meanwhile follow in the same round, for a few
    // milliseconds at most, so that a walk in bulk costs no round per row.
    void deliverLater(const QxSNMPReply &reply, const CompletionHandler &handler, void *userObject);
    void deliverFetched();
    void postDelivery();
    // Ends an asynchronous walk step: the row made (or the failure, or the end
    // when withRow is false) to the handler.
    void completeStep(const QxSNMPReply &reply, const QxSNMPException *failure, const CompletionHandler &handler,
                      void *userObject, bool withRow = true);
    QList<QxSNMPBinding> buildPdu(BuildMode mode, QList<QxSNMPWrite::Binding> *written = nullptr);
    ReadOutcome processRead(const QList<QxSNMPBinding> &sent, const QList<QxSNMPBinding> &returned);
    ReadOutcome processReadGuarded(const QList<QxSNMPBinding> &sent, const QList<QxSNMPBinding> &returned);
    void applySelection(const QString &selectionList, const QStringList &valueSource);
    void prepareWrite(const QxSNMPVarList &before, const QString &selectionList, const QStringList &valueSource,
                      QxSNMPTarget &target, QList<QxSNMPBinding> &bindings, QxSNMPWrite &record);
    // The outcome of a write into its record, and the record to the session.
    static void finishWrite(QxSNMPWrite &record, const QxSNMPReply &reply);
    // What every write shares once its bindings are made: the send (waited
    // for or not), the record's outcome, the session's listeners, done.
    void sendWrite(const QxSNMPTarget &target, const QList<QxSNMPBinding> &bindings, QxSNMPWrite record, bool wait,
                   const WriteDone &done);
    // The value a text of the variable would be written as (none when it cannot be).
    std::optional<QxSNMPValue> valueOfText(int position, const QString &text, const QString &oid);
    // A write that destroys a row keeps the row's other cells as last read.
    void noteRowBefore(QxSNMPWrite &record);
    // A read of one PDU (a scalar group, a row): sent, and completed by its reply.
    void sendRead(const QxSNMPTarget &target, int command, const QList<QxSNMPBinding> &sent,
                  const CompletionHandler &handler, void *userObject);
    void completeRead(const QxSNMPReply &reply, const QList<QxSNMPBinding> &sent, const CompletionHandler &handler,
                      void *userObject);

    QxSNMPVarList m_list;
    QxBulkWalk m_bulk;
    QxTableWalk m_walk;
    // The list positions of the walked columns, in the walk's column order.
    QList<int> m_walkPositions;
    struct Delivery
    {
        QxSNMPReply reply;
        CompletionHandler handler;
        void *userObject;
    };
    std::deque<Delivery> m_deliveries;
    bool m_deliveryPosted = false;
    bool m_delivering = false;
    bool m_alive = true;
    int m_outstanding = 0;
    std::shared_ptr<Liveness> m_liveness;
};
