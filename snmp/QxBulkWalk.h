#pragma once

#include "snmp/QxSNMPBinding.h"
#include "snmp/QxSNMPReply.h"
#include "snmp/QxSNMPTarget.h"
#include "snmp/QxSNMPTransport.h"

#include <QList>
#include <QString>
#include <QStringList>

// A table walk's GET-NEXT steps answered from GETBULK replies (SNMPv2c and
// SNMPv3). A reply holds, for every column asked, the agent's next instances
// one after the other; a step is answered from it only where it holds what the
// agent would answer that step's own GET-NEXT with, so the rows, their
// "(NOTDONE)" marks, the end of each column and the handling of answers that
// do not go forward come out exactly as from a GET-NEXT walk. Where it cannot
// tell (a column that did not go forward, a reply used up) the agent is asked
// again from where the walk stands.
//
// How many instances one GETBULK asks for adapts: it starts small, doubles
// while whole replies come back quickly, halves on tooBig or a slow reply, and
// keeps to what the agent gives and to what one message can hold. A setting
// other than Adaptive asks for that many each time (tooBig still halves it).
//
// An agent that answers GETBULK with an error, or twice not at all, is walked
// with GET-NEXT for the rest of the process (the session remembers it); the
// step that found out is asked again with GET-NEXT at once, within the step's
// own time-out budget: until an agent has answered a GETBULK, the GETBULK gets
// the first of the step's tries and the GET-NEXT the others.
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

    // A new walk: nothing buffered, the repetitions back to their start.
    void start(int setting);
    // What is buffered no longer tells what the agent holds (a write came between).
    void discard();

    // The GET-NEXT reply to `sent` that the buffered replies give, if they can
    // tell it. `columns` are the walked columns' base OIDs, in the order sent.
    bool answer(const QStringList &columns, const QList<QxSNMPBinding> &sent, QxSNMPReply &reply);
    // The first exchange of a step the buffer could not answer.
    Try firstTry(const QxSNMPTarget &target);
    // Takes what a try brought. True: `reply` holds the step's GET-NEXT reply
    // (or the failure to report). False: `attempt` is the next try to make.
    bool settle(Try &attempt, const QStringList &columns, const QList<QxSNMPBinding> &sent, const QxSNMPReply &got,
                qint64 elapsedMs, QxSNMPReply &reply);

    int repetitions() const { return m_repetitions; }

private:
    // Keeps a GETBULK reply; returns its whole repetitions (a partial last one
    // is dropped).
    int keep(const QList<QxSNMPBinding> &sent, const QxSNMPReply &got);
    void adapt(int whole, int asked, int width, qint64 elapsedMs, int timeoutMs);
    Try getNextInstead(bool afterError) const;

    int m_setting = Adaptive;
    int m_repetitions = FirstRepetitions;
    // What this walk has found the agent to give at most (a shorter reply, tooBig).
    int m_ceiling = MostRepetitions;
    // The step's own target, whose time-out budget the tries share.
    QxSNMPTarget m_stepTarget;
    // The last GETBULK: what it asked from, its bindings row by row
    // (repetition r, column c at r * width + c), and the next repetition to serve.
    QStringList m_asked;
    QList<QxSNMPBinding> m_bindings;
    QxSNMPReply m_header;
    int m_width = 0;
    int m_whole = 0;
    int m_next = 0;
    // Columns whose served instances have left them: a well-behaved agent
    // answers them with something outside, whatever instance is asked.
    QList<bool> m_left;
};
