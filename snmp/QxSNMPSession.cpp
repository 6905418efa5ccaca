#include "snmp/QxSNMPSession.h"

#include "snmp/QxBootCounter.h"
#include "snmp/QxSNMPEventPump.h"
#include "snmp/QxSNMPException.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>

#include <QDir>
#include <poll.h>
#include <cstdlib>
#include <cstring>

QxSNMPDevice defaultDevice;
QxSNMPScope defaultScope;
QxSNMPSecurity defaultSecurity;
int defaultTimeout = 100;
int defaultMaxRepetitions = -1;

namespace {

constexpr const char *kLibraryName = "nx2400p";

std::unique_ptr<QxSNMPSession> &sessionSlot()
{
    static std::unique_ptr<QxSNMPSession> session;
    return session;
}

std::unique_ptr<QxSNMPEventPump> &pumpSlot()
{
    static std::unique_ptr<QxSNMPEventPump> pump;
    return pump;
}

// The library is told to stay away from configuration files, persistent state and
// MIB files: the module configures itself and works with numeric OIDs only.
void initLibraryOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    setenv("MIBS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
    netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OID_OUTPUT_FORMAT, NETSNMP_OID_OUTPUT_NUMERIC);
    // The library keeps certificate indexes in its persistent folder even when told
    // not to persist state; keep them out of the system's folders.
    static const QByteArray persistentDir = (QDir::tempPath() + QStringLiteral("/nx2400p-snmp")).toLocal8Bit();
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistentDir.constData());
    snmp_disable_log();
    init_snmp(kLibraryName);
}

QString bootCounterPath(const QString &directory)
{
    if (directory.isEmpty())
        return QString::fromLatin1(QxSNMPSession::BootCounterFileName);
    QString dir = directory;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + QString::fromLatin1(QxSNMPSession::BootCounterFileName);
}

} // namespace

QxSNMPSession::~QxSNMPSession()
{
    if (m_handle)
        snmp_sess_close(m_handle);
}

std::unique_ptr<QxSNMPSession> QxSNMPSession::open()
{
    initLibraryOnce();
    netsnmp_session settings;
    snmp_sess_init(&settings);
    // Requests carry their own agent address on every PDU; the session's peer is
    // only a placeholder, and its local port is chosen by the system.
    char peer[] = "udp:127.0.0.1:161";
    settings.peername = peer;
    settings.version = SNMP_VERSION_1;
    std::unique_ptr<QxSNMPSession> session(new QxSNMPSession());
    session->m_handle = snmp_sess_open(&settings);
    if (!session->m_handle)
        return nullptr;
    // Every PDU carries its own version and credentials, so the session takes no
    // version of its own; SNMPv3 engine discovery is done per agent by the
    // request engine, never implicitly against the placeholder peer.
    netsnmp_session *opened = snmp_sess_session(session->m_handle);
    opened->version = SNMP_DEFAULT_VERSION;
    opened->flags |= SNMP_FLAGS_DONT_PROBE;
    return session;
}

int QxSNMPSession::socketDescriptor() const
{
    if (!m_handle)
        return -1;
    netsnmp_transport *transport = snmp_sess_transport(m_handle);
    return transport ? transport->sock : -1;
}

void QxSNMPSession::startMessageProcessing(quint32 boots)
{
    m_engineBoots = boots;
    const char *id = EngineId;
    set_exact_engineID(reinterpret_cast<const u_char *>(id), std::strlen(id));
    // The library's own persistent-state reader takes the boots of the previous
    // start and counts this one itself.
    QByteArray previous = QByteArray::number(boots - 1);
    engineBoots_conf("engineBoots", previous.data());
}

void QxSNMPSession::processPendingEvents()
{
    if (!m_handle)
        return;
    // Read every datagram that is already waiting (the session has its one
    // socket), then let the library handle time-outs and retransmissions.
    const int fd = socketDescriptor();
    for (int round = 0; fd >= 0 && round < 256; ++round) {
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, 0) <= 0 || !(waiting.revents & (POLLIN | POLLERR)))
            break;
        netsnmp_large_fd_set fdset;
        netsnmp_large_fd_set_init(&fdset, FD_SETSIZE);
        NETSNMP_LARGE_FD_SET(fd, &fdset);
        snmp_sess_read2(m_handle, &fdset);
        netsnmp_large_fd_set_cleanup(&fdset);
    }
    snmp_sess_timeout(m_handle);
}

bool QxSNMPSession::hasPendingRequests() const
{
    if (!m_handle)
        return false;
    int descriptors = 0;
    int block = 1;
    timeval timeout{};
    netsnmp_large_fd_set fdset;
    netsnmp_large_fd_set_init(&fdset, FD_SETSIZE);
    // The library clears block when it has a time-out to wait for: a request in flight.
    snmp_sess_select_info2(m_handle, &descriptors, &fdset, &timeout, &block);
    netsnmp_large_fd_set_cleanup(&fdset);
    return block == 0;
}

void initializeSession(const QString &directory)
{
    auto &session = sessionSlot();
    if (!session) {
        session = QxSNMPSession::open();
        if (!session)
            QxSNMPException::raiseFramework(-506);
    }

    const QString counterFile = bootCounterPath(directory);
    const QByteArray engineId(QxSNMPSession::EngineId);
    quint32 boots = 0;
    const int loaded = QxBootCounter::load(counterFile, engineId, boots);
    if (loaded != QxBootCounter::Found && loaded != QxBootCounter::NoEntry && loaded != QxBootCounter::CannotOpen)
        QxSNMPException::raiseFramework(-507);
    if (boots < 2147483647u)
        ++boots;
    if (QxBootCounter::save(counterFile, engineId, boots) != 0)
        QxSNMPException::raiseFramework(-508);
    session->startMessageProcessing(boots);

    defaultDevice = QxSNMPDevice();
    defaultScope = QxSNMPScope();
    defaultSecurity = QxSNMPSecurity();
    defaultTimeout = 100;
    defaultMaxRepetitions = -1;

    auto &pump = pumpSlot();
    if (!pump)
        pump = std::make_unique<QxSNMPEventPump>(*session);
    pump->start();
}

QxSNMPSession *globalSession()
{
    return sessionSlot().get();
}

QxSNMPEventPump *SnmpEventProcessor()
{
    return pumpSlot().get();
}
