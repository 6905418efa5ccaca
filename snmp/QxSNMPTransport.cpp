#include "snmp/QxSNMPTransport.h"

#include "snmp/QxEventWait.h"
#include "snmp/QxHexText.h"
#include "snmp/QxNetSnmpStatus.h"
#include "snmp/QxOidText.h"
#include "snmp/QxSNMPEventPump.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSession.h"
#include "snmp/QxUsmProtocolOids.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <poll.h>
#include <netdb.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

void *handle()
{
    QxSNMPSession *session = globalSession();
    if (!session || !session->libraryHandle())
        QxSNMPException::raiseFramework(-506);
    return session->libraryHandle();
}

char *duplicate(const QByteArray &bytes)
{
    char *copy = static_cast<char *>(std::malloc(size_t(bytes.size()) + 1));
    std::memcpy(copy, bytes.constData(), size_t(bytes.size()));
    copy[bytes.size()] = '\0';
    return copy;
}

u_char *duplicateBytes(const QByteArray &bytes)
{
    return reinterpret_cast<u_char *>(duplicate(bytes));
}

void setDestination(netsnmp_pdu *pdu, const QxSNMPTarget &target)
{
    auto *pair = static_cast<netsnmp_indexed_addr_pair *>(std::calloc(1, sizeof(netsnmp_indexed_addr_pair)));
    pair->remote_addr.sin.sin_family = AF_INET;
    pair->remote_addr.sin.sin_port = htons(target.port);
    pair->remote_addr.sin.sin_addr.s_addr = htonl(target.ipv4);
    pair->local_addr.sin.sin_family = AF_INET;
    pdu->transport_data = pair;
    pdu->transport_data_length = sizeof(netsnmp_indexed_addr_pair);
}

void applyTimeouts(const QxSNMPTarget &target)
{
    netsnmp_session *ss = snmp_sess_session(handle());
    ss->timeout = long(qMax(1, target.timeout)) * 10000L;
    ss->retries = qMax(0, target.retries);
}

// A context engine ID from the settings file: hex digits (with or without "0x")
// when it looks like hex, the characters themselves otherwise.
QByteArray contextEngineId(const QString &text)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        t = t.mid(2);
    bool hex = !t.isEmpty() && t.size() % 2 == 0;
    for (QChar c : t)
        hex = hex && QStringLiteral("0123456789abcdefABCDEF").contains(c);
    return hex ? QxHexText::toOctets(t) : text.toLatin1();
}

netsnmp_pdu *newPdu(const QxSNMPTarget &target, int command)
{
    netsnmp_pdu *pdu = snmp_pdu_create(command);
    const QxSNMPSecurity &sec = target.security;
    pdu->version = sec.version == QxSNMPSecurity::V3 ? SNMP_VERSION_3
                   : sec.version == QxSNMPSecurity::V2c ? SNMP_VERSION_2c
                                                        : SNMP_VERSION_1;
    if (pdu->version == SNMP_VERSION_3) {
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        pdu->securityLevel = qBound(1, sec.securityLevel, 3);
        const QByteArray name = sec.securityName.toUtf8();
        pdu->securityName = duplicate(name);
        pdu->securityNameLen = size_t(name.size());
        pdu->securityEngineID = duplicateBytes(target.engineId);
        pdu->securityEngineIDLen = size_t(target.engineId.size());
        const QByteArray context = target.scope.contextEngineId.isEmpty() ? target.engineId
                                                                          : contextEngineId(target.scope.contextEngineId);
        pdu->contextEngineID = duplicateBytes(context);
        pdu->contextEngineIDLen = size_t(context.size());
        const QByteArray contextName = target.scope.contextName.toUtf8();
        pdu->contextName = duplicate(contextName);
        pdu->contextNameLen = size_t(contextName.size());
    } else {
        const QByteArray community =
            (command == SNMP_MSG_SET ? sec.writeCommunity : sec.readCommunity).toUtf8();
        pdu->community = duplicateBytes(community);
        pdu->community_len = size_t(community.size());
    }
    setDestination(pdu, target);
    return pdu;
}

// Parses a dotted OID straight into the library's form.
bool parseName(const QString &text, oid *name, size_t &length)
{
    length = 0;
    qsizetype i = text.startsWith(QLatin1Char('.')) ? 1 : 0;
    const qsizetype n = text.size();
    if (i >= n)
        return false;
    while (i < n) {
        if (length == MAX_OID_LEN)
            return false;
        quint64 v = 0;
        const qsizetype start = i;
        for (; i < n && text[i] != QLatin1Char('.'); ++i) {
            const char16_t c = text[i].unicode();
            if (c < '0' || c > '9')
                return false;
            v = v * 10 + (c - '0');
            if (v > 0xFFFFFFFFull)
                return false;
        }
        if (i == start)
            return false;
        name[length++] = oid(v);
        if (i < n && ++i == n)
            return false;
    }
    return true;
}

bool addBinding(netsnmp_pdu *pdu, const QxSNMPBinding &b)
{
    oid nameBuffer[MAX_OID_LEN];
    size_t nameLength = 0;
    if (!parseName(b.oid, nameBuffer, nameLength))
        return false;
    struct Name
    {
        oid *p;
        size_t n;
        oid *data() { return p; }
        size_t size() const { return n; }
    } name{nameBuffer, nameLength};
    const QxSNMPValue &v = b.value;
    switch (v.type) {
    case QxSNMPValue::Integer: {
        long value = long(v.signedNumber());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &value, sizeof value) != nullptr;
    }
    case QxSNMPValue::Counter32:
    case QxSNMPValue::Gauge32:
    case QxSNMPValue::TimeTicks:
    case QxSNMPValue::UInteger32: {
        u_long value = u_long(v.number & 0xFFFFFFFFull);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), v.type, &value, sizeof value) != nullptr;
    }
    case QxSNMPValue::Counter64: {
        struct counter64 value;
        value.high = u_long(v.number >> 32);
        value.low = u_long(v.number & 0xFFFFFFFFull);
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &value, sizeof value) != nullptr;
    }
    case QxSNMPValue::OctetString:
    case QxSNMPValue::Opaque:
    case QxSNMPValue::IpAddress:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), v.type,
                                     v.octets.isEmpty() ? "" : v.octets.constData(), size_t(v.octets.size()))
               != nullptr;
    case QxSNMPValue::ObjectId: {
        std::vector<oid> value(v.arcs.begin(), v.arcs.end());
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                                     value.size() * sizeof(oid))
               != nullptr;
    }
    default:
        return snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0) != nullptr;
    }
}

QxSNMPValue valueOf(const netsnmp_variable_list *vb)
{
    QxSNMPValue v;
    v.type = vb->type;
    switch (vb->type) {
    case ASN_INTEGER:
        if (vb->val.integer && vb->val_len >= sizeof(long))
            v.number = quint64(qint64(*vb->val.integer));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        if (vb->val.integer && vb->val_len >= sizeof(long))
            v.number = quint64(static_cast<u_long>(*vb->val.integer) & 0xFFFFFFFFul);
        break;
    case ASN_COUNTER64:
        if (vb->val.counter64 && vb->val_len >= sizeof(struct counter64))
            v.number = quint64(vb->val.counter64->high & 0xFFFFFFFFul) << 32
                       | quint64(vb->val.counter64->low & 0xFFFFFFFFul);
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
        if (vb->val.string && vb->val_len > 0)
            v.octets = QByteArray(reinterpret_cast<const char *>(vb->val.string), qsizetype(vb->val_len));
        break;
    case ASN_OBJECT_ID:
        if (vb->val.objid)
            for (size_t i = 0; i < vb->val_len / sizeof(oid); ++i)
                v.arcs.append(quint32(vb->val.objid[i]));
        break;
    default:
        break;
    }
    return v;
}

QString oidText(const oid *name, size_t length)
{
    char buffer[MAX_OID_LEN * 11 + 1];
    size_t used = 0;
    for (size_t i = 0; i < length && i < MAX_OID_LEN; ++i) {
        if (i)
            buffer[used++] = '.';
        char digits[24];
        int n = 0;
        unsigned long v = name[i] & 0xFFFFFFFFul;
        do {
            digits[n++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        while (n)
            buffer[used++] = digits[--n];
    }
    return QString::fromLatin1(buffer, qsizetype(used));
}

void fillReply(QxSNMPReply &reply, const netsnmp_pdu *response)
{
    reply.status = int(response->errstat);
    reply.errorIndex = int(response->errindex);
    for (const netsnmp_variable_list *vb = response->variables; vb; vb = vb->next_variable)
        reply.bindings.append(QxSNMPBinding{oidText(vb->name, vb->name_length), valueOf(vb)});
}

int pduTypeOf(QxSNMPTransport::Command command)
{
    switch (command) {
    case QxSNMPTransport::Get:
        return SNMP_MSG_GET;
    case QxSNMPTransport::GetNext:
        return SNMP_MSG_GETNEXT;
    case QxSNMPTransport::GetBulk:
        return SNMP_MSG_GETBULK;
    case QxSNMPTransport::Set:
        break;
    }
    return SNMP_MSG_SET;
}

netsnmp_pdu *buildPdu(const QxSNMPTarget &target, QxSNMPTransport::Command command,
                      const QList<QxSNMPBinding> &bindings, int maxRepetitions)
{
    netsnmp_pdu *pdu = newPdu(target, pduTypeOf(command));
    if (command == QxSNMPTransport::GetBulk) {
        pdu->non_repeaters = 0;
        pdu->max_repetitions = qMax(1, maxRepetitions);
    }
    for (const QxSNMPBinding &b : bindings) {
        if (!addBinding(pdu, b)) {
            snmp_free_pdu(pdu);
            QxSNMPException::raiseStatus(-17); // invalid object identifier
        }
    }
    return pdu;
}

int lastError()
{
    const int e = snmp_sess_session(handle())->s_snmp_errno;
    return e == 0 ? QxNetSnmpStatus::OperationFailed : QxNetSnmpStatus::fromLibraryError(e);
}

// The unauthenticated request an agent answers with a report that carries its
// engine ID (the empty user is made known to the library once).
netsnmp_pdu *probePdu(const QxSNMPTarget &target)
{
    if (!usm_get_user(nullptr, 0, const_cast<char *>(""))) {
        struct usmUser *user = usm_create_user();
        user->name = strdup("");
        user->secName = strdup("");
        user->authProtocolLen = USM_AUTH_PROTO_NOAUTH_LEN;
        user->authProtocol = snmp_duplicate_objid(usmNoAuthProtocol, USM_AUTH_PROTO_NOAUTH_LEN);
        user->privProtocolLen = USM_PRIV_PROTO_NOPRIV_LEN;
        user->privProtocol = snmp_duplicate_objid(usmNoPrivProtocol, USM_PRIV_PROTO_NOPRIV_LEN);
        usm_add_user(user);
    }

    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    pdu->version = SNMP_VERSION_3;
    pdu->securityName = strdup("");
    pdu->securityNameLen = 0;
    pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->contextName = strdup("");
    pdu->contextNameLen = 0;
    setDestination(pdu, target);
    applyTimeouts(target);
    return pdu;
}

// The library keeps an engine ID it learns from a report in the session; the
// session must stay without one, each PDU names its own.
void clearSessionEngine(netsnmp_session *ss)
{
    SNMP_FREE(ss->securityEngineID);
    ss->securityEngineIDLen = 0;
    SNMP_FREE(ss->contextEngineID);
    ss->contextEngineIDLen = 0;
}

// Registers the target's user for its engine; registering the same user with
// the same credentials again changes nothing. Returns the library status.
int tryRegisterUser(const QxSNMPTarget &target)
{
    QxSNMPSession *session = globalSession();
    const QxSNMPSecurity &sec = target.security;
    const QByteArray name = sec.securityName.toUtf8();
    const QByteArray key = target.engineId + '\0' + name;
    const QByteArray fingerprint = QByteArray::number(sec.authProtocol) + '\0' + QByteArray::number(sec.privProtocol)
                                   + '\0' + sec.authPassword.toUtf8() + '\0' + sec.privPassword.toUtf8();
    if (session->userFingerprint(key) == fingerprint
        && usm_get_user(reinterpret_cast<const u_char *>(target.engineId.constData()), size_t(target.engineId.size()),
                        const_cast<char *>(name.constData())))
        return 0;

    if (struct usmUser *old = usm_get_user(reinterpret_cast<const u_char *>(target.engineId.constData()),
                                           size_t(target.engineId.size()), const_cast<char *>(name.constData()))) {
        usm_remove_user(old);
        usm_free_user(old);
    }

    netsnmp_session s;
    snmp_sess_init(&s);
    s.version = SNMP_VERSION_3;
    s.securityModel = SNMP_SEC_MODEL_USM;
    QByteArray nameCopy = name;
    s.securityName = nameCopy.data();
    s.securityNameLen = size_t(nameCopy.size());
    QByteArray engineCopy = target.engineId;
    s.securityEngineID = reinterpret_cast<u_char *>(engineCopy.data());
    s.securityEngineIDLen = size_t(engineCopy.size());

    // A protocol number outside the lists is refused, not taken for "none".
    QxUsmProtocolOids::Id auth{};
    QxUsmProtocolOids::Id priv{};
    if (!QxUsmProtocolOids::authentication(sec.authProtocol, auth))
        return QxNetSnmpStatus::UsmUnsupportedAuthProtocol;
    if (!QxUsmProtocolOids::privacy(sec.privProtocol, priv))
        return QxNetSnmpStatus::UsmUnsupportedPrivProtocol;
    const bool hasAuth = sec.authProtocol != QxSNMPSecurity::AuthNone;
    if (!hasAuth)
        auth = {usmNoAuthProtocol, USM_AUTH_PROTO_NOAUTH_LEN};
    s.securityAuthProto = const_cast<oid *>(auth.id);
    s.securityAuthProtoLen = auth.length;
    if (hasAuth) {
        const QByteArray pass = sec.authPassword.toUtf8();
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(auth.id, u_int(auth.length), reinterpret_cast<const u_char *>(pass.constData()),
                        size_t(pass.size()), s.securityAuthKey, &s.securityAuthKeyLen)
            != SNMPERR_SUCCESS)
            return QxNetSnmpStatus::UsmAuthenticationError;
    }
    // Privacy needs authentication; without it the user has none.
    if (sec.privProtocol != QxSNMPSecurity::PrivNone && hasAuth) {
        s.securityPrivProto = const_cast<oid *>(priv.id);
        s.securityPrivProtoLen = priv.length;
        const QByteArray pass = sec.privPassword.toUtf8();
        s.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (generate_Ku(auth.id, u_int(auth.length), reinterpret_cast<const u_char *>(pass.constData()),
                        size_t(pass.size()), s.securityPrivKey, &s.securityPrivKeyLen)
            != SNMPERR_SUCCESS)
            return QxNetSnmpStatus::UsmEncryptionError;
    } else {
        s.securityPrivProto = usmNoPrivProtocol;
        s.securityPrivProtoLen = USM_PRIV_PROTO_NOPRIV_LEN;
    }
    if (usm_create_user_from_session(&s) != SNMPERR_SUCCESS)
        return 1401;
    session->setUserFingerprint(key, fingerprint);
    return 0;
}

void registerUser(const QxSNMPTarget &target)
{
    if (const int status = tryRegisterUser(target))
        QxSNMPException::raiseStatus(status);
}

// One asynchronous exchange in flight, owned by the library until its callback.
struct Pending
{
    QxSNMPTransport::ReplyHandler handler;
    QString address;
    quint16 port = 0;
    QString agentKey;
    int reportStatus = 0;
    bool delivered = false;
};

// `final`: the library has dropped the request and will not call back again.
// After a security error it may still hold the request (a later report or the
// time-out of a retry calls back with the same data), so that exchange's record
// outlives its delivery instead of being used after it was freed.
void deliver(Pending *pending, QxSNMPReply &reply, bool final)
{
    if (!pending->delivered) {
        pending->delivered = true;
        reply.agentAddress = pending->address;
        reply.agentPort = pending->port;
        if (reply.status == QxNetSnmpStatus::UsmUnknownEngineId && globalSession())
            globalSession()->forgetEngineId(pending->agentKey);
        try {
            pending->handler(reply);
        } catch (...) {
            // A completion handler's failure must not unwind through the library.
        }
    }
    if (final)
        delete pending;
}

int onReply(int operation, netsnmp_session *, int, netsnmp_pdu *pdu, void *magic)
{
    auto *pending = static_cast<Pending *>(magic);
    QxSNMPReply reply;
    switch (operation) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            // The library either resends (not in time window) or follows up with
            // a security-error call; the exchange is not over yet.
            pending->reportStatus = QxNetSnmpStatus::fromLibraryError(snmpv3_get_report_type(pdu));
            return 1;
        }
        if (pdu)
            fillReply(reply, pdu);
        else
            reply.status = QxNetSnmpStatus::OperationFailed;
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        reply.status = QxNetSnmpStatus::Timeout;
        break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        // The library signals the security error holding the report that says
        // why (an unknown user, a security level the user lacks, a decryption
        // error); without one, what its blocking call says of a security
        // error: an authentication failure (the reply of an agent that holds
        // other pass phrases comes so).
        if (pdu && pdu->command == SNMP_MSG_REPORT)
            pending->reportStatus = QxNetSnmpStatus::fromLibraryError(snmpv3_get_report_type(pdu));
        reply.status = pending->reportStatus != 0 && pending->reportStatus != QxNetSnmpStatus::OperationFailed
                           ? pending->reportStatus
                           : QxNetSnmpStatus::fromLibraryError(SNMPERR_AUTHENTICATION_FAILURE);
        deliver(pending, reply, false);
        return 1;
    case NETSNMP_CALLBACK_OP_DISCONNECT:
        reply.status = QxNetSnmpStatus::SessionClosed;
        break;
    default:
        return 1;
    }
    deliver(pending, reply, true);
    return 1;
}

// An asynchronous exchange waiting for its agent's engine ID: the probe's
// record, owned by the library until its callback.
struct Probe
{
    QxSNMPTarget target;
    QxSNMPTransport::Command command;
    QList<QxSNMPBinding> bindings;
    QxSNMPTransport::ReplyHandler handler;
    int maxRepetitions = 0;
    bool engineFound = false;
    bool delivered = false;
};

void failProbe(Probe *probe, int status)
{
    if (probe->delivered)
        return;
    probe->delivered = true;
    QxSNMPReply reply;
    reply.status = status;
    reply.agentAddress = probe->target.address;
    reply.agentPort = probe->target.port;
    try {
        probe->handler(reply);
    } catch (...) {
        // A completion handler's failure must not unwind through the library.
    }
}

// Takes the engine ID the probe's report names and sends the exchange itself;
// its reply then reaches the handler as usual. True when the ID was found.
bool continueAfterProbe(Probe *probe, netsnmp_session *ss, const netsnmp_pdu *pdu)
{
    QByteArray id;
    if (ss->securityEngineIDLen > 0)
        id = QByteArray(reinterpret_cast<const char *>(ss->securityEngineID), qsizetype(ss->securityEngineIDLen));
    else if (pdu && pdu->securityEngineIDLen > 0)
        id = QByteArray(reinterpret_cast<const char *>(pdu->securityEngineID), qsizetype(pdu->securityEngineIDLen));
    clearSessionEngine(ss);
    if (id.isEmpty() || !globalSession())
        return false;
    probe->engineFound = true;
    globalSession()->setEngineId(probe->target.agentKey(), id);
    probe->target.engineId = id;
    if (probe->delivered)
        return true; // its failure was reported already: nothing more is sent
    int status = tryRegisterUser(probe->target);
    if (status == 0)
        status = QxSNMPTransport::send(probe->target, probe->command, probe->bindings, probe->handler,
                                       probe->maxRepetitions);
    if (status == 0)
        probe->delivered = true; // the exchange's own reply will reach the handler
    else
        failProbe(probe, status);
    return true;
}

// The report to a probe comes as a security error, then (or only) as the
// message itself; whichever names the engine first goes on with the exchange.
int onProbeReply(int operation, netsnmp_session *ss, int, netsnmp_pdu *pdu, void *magic)
{
    auto *probe = static_cast<Probe *>(magic);
    switch (operation) {
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (probe->engineFound)
            clearSessionEngine(ss); // learnt again from the same report
        else if (!continueAfterProbe(probe, ss, pdu))
            failProbe(probe, QxNetSnmpStatus::UsmUnknownEngineId);
        if (operation == NETSNMP_CALLBACK_OP_SEC_ERROR)
            return 1; // the library calls back again for this request: the record stays
        break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        failProbe(probe, QxNetSnmpStatus::Timeout);
        break;
    case NETSNMP_CALLBACK_OP_DISCONNECT:
        failProbe(probe, QxNetSnmpStatus::SessionClosed);
        break;
    default:
        return 1;
    }
    delete probe;
    return 1;
}

// Sends a PDU with the record its callback gets; once sent, the record belongs
// to the library until the callback's last call. Returns the library status.
template <typename Record>
int handOver(void *h, netsnmp_pdu *pdu, netsnmp_callback callback, std::unique_ptr<Record> record)
{
    if (snmp_sess_async_send(h, pdu, callback, record.get()) == 0) {
        snmp_free_pdu(pdu);
        return lastError();
    }
    record.release();
    // Time-outs and retransmissions need the pump's timer from now on.
    if (QxSNMPEventPump *pump = SnmpEventProcessor())
        pump->wake();
    return 0;
}

// Where the event pump cannot deliver (inside a completion handler, or
// without a pump) the caller's thread waits here for the reply: the exchange
// is sent as every other one is (so an SNMPv3 engine is found, and a report
// read, the same way), and the session's socket is read until its reply, or
// its time-out, is in.
QxSNMPReply blockingExchange(const QxSNMPTarget &target, QxSNMPTransport::Command command,
                             const QList<QxSNMPBinding> &bindings, int maxRepetitions)
{
    // Shared with the handler: a reply that came after the wait gave up finds it still there.
    auto arrived = std::make_shared<std::optional<QxSNMPReply>>();
    const int status = QxSNMPTransport::send(
        target, command, bindings, [arrived](const QxSNMPReply &reply) { *arrived = reply; }, maxRepetitions);
    QxSNMPReply reply;
    reply.agentAddress = target.address;
    reply.agentPort = target.port;
    if (status != 0) {
        reply.status = status;
        return reply;
    }
    QxSNMPSession *session = globalSession();
    const int fd = session->socketDescriptor();
    // The library ends every exchange with its reply or its time-out; the
    // limit only guards against one that would not.
    const qint64 limitMs = 2LL * 10 * target.timeout * (target.retries + 1) * 2 + 5000;
    QElapsedTimer clock;
    clock.start();
    while (!*arrived && clock.elapsed() < limitMs) {
        // A datagram ends the wait at once; the library's time-outs are
        // looked at every few milliseconds.
        pollfd waiting{fd, POLLIN, 0};
        ::poll(&waiting, 1, 5);
        session->processPendingEvents();
    }
    if (!*arrived) {
        reply.status = QxNetSnmpStatus::Timeout;
        return reply;
    }
    return **arrived;
}

// The exchange sent as an asynchronous one and waited for in short event loops:
// the window keeps painting, timers and other replies go on, user input waits.
QxSNMPReply waitedExchange(const QxSNMPTarget &target, QxSNMPTransport::Command command,
                           const QList<QxSNMPBinding> &bindings, int maxRepetitions)
{
    // Shared with the handler: a reply that came after the wait gave up finds
    // it still there.
    auto arrived = std::make_shared<std::optional<QxSNMPReply>>();
    const int status = QxSNMPTransport::send(
        target, command, bindings, [arrived](const QxSNMPReply &reply) { *arrived = reply; }, maxRepetitions);
    QxSNMPReply reply;
    reply.agentAddress = target.address;
    reply.agentPort = target.port;
    if (status != 0) {
        reply.status = status;
        return reply;
    }
    // The library always calls back: a reply, a time-out or a closed session.
    // An SNMPv3 agent not known yet costs a probe first; a second more is slack.
    const int tries = qMax(0, target.retries) + 1;
    const int exchanges = target.security.version == QxSNMPSecurity::V3 && target.engineId.isEmpty() ? 2 : 1;
    const int limitMs = qMax(1, target.timeout) * 10 * tries * exchanges + 1000;
    QxEventWait::whileHolds([&arrived] { return !arrived->has_value(); }, limitMs);
    if (!arrived->has_value()) {
        reply.status = QxNetSnmpStatus::Timeout;
        return reply;
    }
    return **arrived;
}

} // namespace

QString QxSNMPTarget::agentKey() const
{
    // Asked for at every step of a walk: one formatting, one string.
    char key[sizeof "255.255.255.255:65535"];
    const int n = std::snprintf(key, sizeof key, "%u.%u.%u.%u:%u", unsigned(ipv4 >> 24), unsigned((ipv4 >> 16) & 0xFF),
                                unsigned((ipv4 >> 8) & 0xFF), unsigned(ipv4 & 0xFF), unsigned(port));
    return QString::fromLatin1(key, qMax(0, n));
}

bool QxSNMPTransport::resolve(const QString &address, quint32 &ipv4)
{
    const QByteArray text = address.trimmed().toLatin1();
    if (text.isEmpty() || text.size() > 253)
        return false;
    in_addr parsed{};
    if (inet_pton(AF_INET, text.constData(), &parsed) == 1) {
        ipv4 = ntohl(parsed.s_addr);
        return true;
    }
    // Only a syntactically valid host name is looked up; a text of digits and
    // dots that is no address is no name either.
    bool onlyDigits = true;
    for (char c : text) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!ok)
            return false;
        if (c != '.' && !(c >= '0' && c <= '9'))
            onlyDigits = false;
    }
    if (onlyDigits || text.startsWith('.') || text.startsWith('-') || text.contains(".."))
        return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo *result = nullptr;
    if (getaddrinfo(text.constData(), nullptr, &hints, &result) != 0 || !result)
        return false;
    ipv4 = ntohl(reinterpret_cast<sockaddr_in *>(result->ai_addr)->sin_addr.s_addr);
    freeaddrinfo(result);
    return true;
}

QxSNMPTarget QxSNMPTransport::makeTarget(const QxSNMPDevice &device, const QxSNMPSecurity &security,
                                        const QxSNMPScope &scope, int timeout, int retries)
{
    QxSNMPTarget target;
    if (!resolve(device.address, target.ipv4))
        QxSNMPException::raiseFramework(-509);
    target.port = device.port;
    target.address = device.address;
    target.security = security;
    target.scope = scope;
    target.timeout = timeout;
    target.retries = retries;
    if (security.version == QxSNMPSecurity::V3) {
        QxSNMPSession *session = globalSession();
        handle();
        const QString key = target.agentKey();
        target.engineId = session->engineId(key);
        if (!target.engineId.isEmpty())
            registerUser(target);
    }
    return target;
}

QxSNMPReply QxSNMPTransport::exchange(const QxSNMPTarget &target, Command command, const QList<QxSNMPBinding> &bindings,
                                      int maxRepetitions)
{
    QxSNMPEventPump *pump = SnmpEventProcessor();
    if (pump && pump->canWait())
        return waitedExchange(target, command, bindings, maxRepetitions);
    return blockingExchange(target, command, bindings, maxRepetitions);
}

int QxSNMPTransport::send(const QxSNMPTarget &target, Command command, const QList<QxSNMPBinding> &bindings,
                          ReplyHandler handler, int maxRepetitions)
{
    void *h = handle();
    if (target.security.version == QxSNMPSecurity::V3 && target.engineId.isEmpty())
        return handOver(h, probePdu(target), onProbeReply,
                        std::make_unique<Probe>(Probe{target, command, bindings, std::move(handler), maxRepetitions}));
    netsnmp_pdu *pdu = buildPdu(target, command, bindings, maxRepetitions);
    applyTimeouts(target);
    return handOver(h, pdu, onReply,
                    std::make_unique<Pending>(Pending{std::move(handler), target.address, target.port,
                                                      target.agentKey(), 0}));
}
