#pragma once

#include "snmp/QxSNMPBinding.h"
#include "snmp/QxSNMPReply.h"
#include "snmp/QxSNMPTarget.h"
#include "snmp/QxSNMPTransport.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a table walk asks an agent for its columns' next instances. SNMPv2c and
// SNMPv3 agents are asked with GETBULK, which gives many successors of each
// column at once (QxTableWalk keeps them until rows use them); where the
// agent cannot be asked that way the walk goes one instance at a time with
// GET-NEXT.
//
// How many instances one GETBULK asks for adapts: it starts small, doubles
// while whole replies come back quickly, halves on tooBig or a slow reply, and
// keeps to what the agent gives and to what one message can hold. A setting
// other than Adaptive asks for that many each time (tooBig still halves it).
//
// An agent that answers GETBULK with an error, or twice not at all, is walked
// with GET-NEXT for the rest of the process (the session remembers it); the
// request that found out is asked again with GET-NEXT at once, within its own
// time-out budget: until an agent has answered a GETBULK, the GETBULK gets
// the first of the tries and the GET-NEXT the others.
class QxBulkWalk final
{
public:
    static constexpr int Adaptive = -1;
    static constexpr int FirstRepetitions = 8;
    static constexpr int MostRepetitions = 250;
    // Bindings one reply is asked to hold, whatever the column count: about
    // what a UDP datagram carries of short table values.
    static constexpr int MostBindings = 1000;
    static constexpr int UnansweredBeforeGetNext = 2;

    // One exchange of a step.
    struct Try
    {
        QxSNMPTarget target;
        QxSNMPTransport::Command command = QxSNMPTransport::GetBulk;
        int repetitions = 0;
        // A GET-NEXT that stands in for a GETBULK the agent refused (afterError)
        // or left unanswered.
        bool insteadOfBulk = false;
        bool afterError = false;
    };

    // Whether a walk of the target goes in bulk: SNMPv2c or SNMPv3, a setting
    // other than 0, and an agent not known to refuse GETBULK.
    static bool appliesTo(const QxSNMPTarget &target, int setting);

    // A new walk: the repetitions back to their start.
    void start(int setting);

    // The first exchange of a request for the columns' next instances.
    Try firstTry(const QxSNMPTarget &target);
    // Takes what a try brought. True: `reply` holds the outcome: whole
    // repetitions of `sent` (one for a GET-NEXT), or the failure to report.
    // False: `attempt` is the next try to make.
    bool settle(Try &attempt, const QList<QxSNMPBinding> &sent, const QxSNMPReply &got, qint64 elapsedMs,
                QxSNMPReply &reply);

    int repetitions() const { return m_repetitions; }

private:
    void adapt(int whole, int asked, int width, qint64 elapsedMs, int timeoutMs);
    Try getNextInstead(bool afterError) const;

    int m_setting = Adaptive;
    int m_repetitions = FirstRepetitions;
    // What this walk has found the agent to give at most (a shorter reply, tooBig).
    int m_ceiling = MostRepetitions;
    // The request's own target, whose time-out budget the tries share.
    QxSNMPTarget m_stepTarget;
};
