#pragma once

#include "AgentProcess.h"

#include <QString>
#include <QStringList>

// A switch simulator (nx2400p-sim) of the caller's own, for tests and
// benchmarks that change its ports or state or inject faults: the shared one
// must stay as every other test expects it. It knows the SNMPv3 users of the
// shared test agents (TestAgents.h) and the default communities.
class SimulatorProcess : public AgentProcess
{
public:
    // With expectAnswers false the simulator only has to listen (for one told
    // to drop everything). An empty program is the simulator built with the
    // tests.
    explicit SimulatorProcess(const QStringList &extraArguments = {}, bool expectAnswers = true,
                              const QString &program = QString());

    // The simulator built with the tests.
    static QString program();

    // What the switch's last applied SET carried, binding by binding in the
    // order they came: "OID=TAG|VALUE" (the OID numeric, the value as a state
    // file holds it, "2|4" or "4x|e000000000000000").
    QStringList lastSet() const;
    // How many SETs the switch has applied.
    int setCount() const;
    // How it meets GETBULK (1 answered, 2 refused with genErr, 3 never
    // answered), and how many it has received.
    void setBulkMode(int mode) const;
    int bulkCount() const;
};
