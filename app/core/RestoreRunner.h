#pragma once

#include "app/core/RestorePlan.h"
#include "app/core/SnmpAgent.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QxSNMPRequest;
struct QxSNMPWrite;

// Carries a restore plan out, step after step, each one SET through the
// module's one write function (so each is in the switch's journal), without
// blocking: the first step the switch refuses ends the run, and the steps
// after it are not sent.
class RestoreRunner final
{
public:
    struct Outcome
    {
        int applied = 0;     // steps that went through, from the first on
        int failedStep = -1; // the refused step's index, -1: none
        QString failure;     // what the switch (or the module) said of it
    };
    using StepDone = std::function<void(int index, bool wentThrough)>;

    // The plan must outlive the runner.
    RestoreRunner(const RestorePlan &plan, SnmpAgent agent);
    ~RestoreRunner();
    RestoreRunner(const RestoreRunner &) = delete;
    RestoreRunner &operator=(const RestoreRunner &) = delete;

    // Runs the steps whose indexes are given (all when empty); `finished`
    // runs once, from the event loop.
    void start(StepDone stepDone, std::function<void()> finished, QList<int> only = {});
    const Outcome &outcome() const { return m_outcome; }

    // Waits for the run to end, replies and events going on (the command-line client).
    static void runToEnd(RestoreRunner &runner, const StepDone &stepDone = {});

private:
    void next();
    void stepWritten(int index, const QxSNMPWrite &write);
    void fail(int index, const QString &text);
    void end();

    const RestorePlan &m_plan;
    SnmpAgent m_agent;
    StepDone m_stepDone;
    std::function<void()> m_finished;
    QList<int> m_order;
    int m_at = 0;
    Outcome m_outcome;
    std::unique_ptr<QxSNMPRequest> m_request;
    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
};
