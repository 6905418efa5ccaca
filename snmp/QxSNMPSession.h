#pragma once

#include "snmp/QxSNMPDevice.h"
#include "snmp/QxSNMPScope.h"
#include "snmp/QxSNMPSecurity.h"
#include "snmp/QxSNMPWrite.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QxSNMPEventPump;

// What the session has learnt of an agent's GETBULK, for the process's life.
struct QxBulkSupport
{
    enum Answers { Unknown, Yes, No };
    Answers answers = Unknown;
    // GETBULKs that went unanswered while a GET-NEXT for the same step was
    // answered: one may be a lost datagram, a second is the agent's way.
    int unanswered = 0;
};

// The process's one SNMP library session, on an ephemeral local UDP port. Every
// request sends through it; asynchronous replies are read by the event pump.
class QxSNMPSession
{
public:
    static constexpr const char *EngineId = "QxSNMP_PP_Application";
    static constexpr const char *BootCounterFileName = "QxSNMP_PP_BootCounter";

    ~QxSNMPSession();
    QxSNMPSession(const QxSNMPSession &) = delete;
    QxSNMPSession &operator=(const QxSNMPSession &) = delete;

    // The library's single-session handle (a net-snmp session pointer); only the
    // request engine in this folder uses it.
    void *libraryHandle() const { return m_handle; }
    // The session's socket, watched by the event pump.
    int socketDescriptor() const;
    quint32 engineBoots() const { return m_engineBoots; }

    // Reads every reply that has arrived, handles time-outs and retransmissions and
    // runs the completion callbacks. Called by the event pump only.
    void processPendingEvents();
    // Whether the library still waits for a reply (or a retransmission is due).
    bool hasPendingRequests() const;

    // SNMPv3: the engine ID discovered for each agent ("address:port"), and a
    // fingerprint of the credentials last registered for each engine and user,
    // so that registering the same user again costs nothing.
    QByteArray engineId(const QString &agent) const { return m_engineIds.value(agent); }
    void setEngineId(const QString &agent, const QByteArray &id) { m_engineIds.insert(agent, id); }
    void forgetEngineId(const QString &agent) { m_engineIds.remove(agent); }
    QByteArray userFingerprint(const QByteArray &key) const { return m_userFingerprints.value(key); }
    void setUserFingerprint(const QByteArray &key, const QByteArray &fingerprint) { m_userFingerprints.insert(key, fingerprint); }
    // Per agent ("address:port"): whether it answers GETBULK.
    QxBulkSupport &bulkSupport(const QString &agent) { return m_bulkSupport[agent]; }

    // The command whose writes follow (a dialog's or the command-line
    // client's), named in each write's record.
    void setCommand(const QString &command) { m_command = command; }
    const QString &command() const { return m_command; }

    // Told of every write the process sends, once its outcome is known (the
    // change journal, the unsaved mark), in the order they were added.
    using WriteListener = std::function<void(const QxSNMPWrite &)>;
    int addWriteListener(WriteListener listener)
    {
        m_writeListeners.push_back({++m_lastListener, std::move(listener)});
        return m_lastListener;
    }
    void removeWriteListener(int id)
    {
        std::erase_if(m_writeListeners, [id](const auto &l) { return l.first == id; });
    }
    // Asked before each write is sent, with its record made (bindings, no
    // outcome yet): false keeps it from being sent (the user's preview).
    using WriteGate = std::function<bool(const QxSNMPWrite &)>;
    void setWriteGate(WriteGate gate) { m_writeGate = std::move(gate); }
    bool writeAllowed(const QxSNMPWrite &write) const { return !m_writeGate || m_writeGate(write); }

    void reportWrite(const QxSNMPWrite &write) const
    {
        // A listener may remove itself while told: it is told from a copy.
        const auto listeners = m_writeListeners;
        for (const auto &[id, listener] : listeners)
            listener(write);
    }

private:
    friend void initializeSession(const QString &);
    QxSNMPSession() = default;
    static std::unique_ptr<QxSNMPSession> open();
    void startMessageProcessing(quint32 boots);

    void *m_handle = nullptr;
    quint32 m_engineBoots = 0;
    QHash<QString, QByteArray> m_engineIds;
    QHash<QByteArray, QByteArray> m_userFingerprints;
    QHash<QString, QxBulkSupport> m_bulkSupport;
    std::vector<std::pair<int, WriteListener>> m_writeListeners;
    int m_lastListener = 0;
    WriteGate m_writeGate;
    QString m_command;
};

// Creates the process's session (once), advances the engine-boots counter kept in
// "QxSNMP_PP_BootCounter" in the given directory (empty: the current folder),
// initialises SNMPv3 message processing, sets the defaults below and starts the
// event pump. Raises -506, -507 or -508.
void initializeSession(const QString &directory);

// The session, or null before initializeSession.
QxSNMPSession *globalSession();
// The 20 ms event pump, or null before initializeSession.
QxSNMPEventPump *SnmpEventProcessor();

// Process-wide defaults; every request copies them when it is created.
extern QxSNMPDevice defaultDevice;
extern QxSNMPScope defaultScope;
extern QxSNMPSecurity defaultSecurity;
extern int defaultTimeout; // hundredths of a second
// Instances one GETBULK of a table walk asks for: -1 adapts (QxBulkWalk), 0
// walks with GET-NEXT only, N asks for N each time.
extern int defaultMaxRepetitions;
