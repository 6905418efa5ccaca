#pragma once

#include "snmp/QxSNMPBinding.h"
#include "snmp/QxSNMPDevice.h"
#include "snmp/QxSNMPReply.h"
#include "snmp/QxSNMPTarget.h"

#include <QList>
#include <functional>

// All exchanges with agents go through here, on the process's one session: each
// PDU carries its own destination, version and credentials.
class QxSNMPTransport
{
public:
    enum Command { Get, GetNext, Set };
    // When an SNMPv3 agent's engine ID is first needed: while the target is
    // made (blocking), or by the first asynchronous send (a probe of its own,
    // so an agent that does not answer never holds up the caller).
    enum class Discovery { Now, OnSend };
    using ReplyHandler = std::function<void(const QxSNMPReply &)>;

    // Resolves the device address (raises -509 when it is neither a dotted
    // address nor a resolvable name); for SNMPv3 finds the agent's engine ID
    // (once per agent) and registers the USM user for it. With Discovery::OnSend
    // an engine not known yet is left to send().
    static QxSNMPTarget makeTarget(const QxSNMPDevice &device, const QxSNMPSecurity &security,
                                   const QxSNMPScope &scope, int timeout, int retries,
                                   Discovery discovery = Discovery::Now);

    // Blocking exchange: waits at most timeout x (retries + 1).
    static QxSNMPReply exchange(const QxSNMPTarget &target, Command command, const QList<QxSNMPBinding> &bindings);

    // Sends and returns at once; the handler runs later inside the event pump
    // (or inside a blocking exchange) with the reply, a time-out (-5) or a closed
    // session (-8). Returns the library status of the send: 0 when it was sent,
    // in which case the handler runs exactly once. An SNMPv3 target without an
    // engine ID first sends a probe for it; its failure reaches the handler.
    static int send(const QxSNMPTarget &target, Command command, const QList<QxSNMPBinding> &bindings,
                    ReplyHandler handler);

    // Validates an address text and resolves it to an IPv4 address (host order).
    static bool resolve(const QString &address, quint32 &ipv4);
};
