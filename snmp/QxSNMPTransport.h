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
    // GetBulk asks for `maxRepetitions` successors of every binding (no
    // non-repeaters): SNMPv2c and SNMPv3 only.
    enum Command { Get, GetNext, Set, GetBulk };
    using ReplyHandler = std::function<void(const QxSNMPReply &)>;

    // Resolves the device address (raises -509 when it is neither a dotted
    // address nor a resolvable name); for SNMPv3 registers the USM user for the
    // agent's engine when its ID is known. An engine not known yet is found by
    // the exchange itself (a probe of its own, so that an agent that does not
    // answer holds up no one longer than its exchange would).
    static QxSNMPTarget makeTarget(const QxSNMPDevice &device, const QxSNMPSecurity &security,
                                   const QxSNMPScope &scope, int timeout, int retries);

    // Synchronous exchange: returns with the reply, a time-out after timeout x
    // (retries + 1), or a failure. On the GUI thread it waits in an event loop
    // (QxEventWait), so windows keep painting and timers and other replies keep
    // running while user input is held back; inside a completion handler, or
    // without the event pump, it blocks in the library as the pump cannot
    // deliver. An SNMPv3 target without an engine ID first finds it.
    static QxSNMPReply exchange(const QxSNMPTarget &target, Command command, const QList<QxSNMPBinding> &bindings,
                                int maxRepetitions = 0);

    // Sends and returns at once; the handler runs later inside the event pump
    // (or inside a blocking exchange) with the reply, a time-out (-5) or a closed
    // session (-8). Returns the library status of the send: 0 when it was sent,
    // in which case the handler runs exactly once. An SNMPv3 target without an
    // engine ID first sends a probe for it; its failure reaches the handler.
    static int send(const QxSNMPTarget &target, Command command, const QList<QxSNMPBinding> &bindings,
                    ReplyHandler handler, int maxRepetitions = 0);

    // Validates an address text and resolves it to an IPv4 address (host order).
    static bool resolve(const QString &address, quint32 &ipv4);
};
