#pragma once

#include "common/SimulatorProcess.h"
#include "snmp/QxSNMPSession.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A test with a simulator of its own as the session's default agent (for tests
// that change the switch or make it fail: the shared one must stay as every
// other test expects it), and a session whose engine-boots file is its own.
// A derived SetUp calls this one first and returns when the test is skipped.
class OnPrivateSimulator : public ::testing::Test
{
protected:
    explicit OnPrivateSimulator(const QStringList &simulatorArguments = {}) : sim(simulatorArguments) {}

    void SetUp() override
    {
        if (!sim.running())
            GTEST_SKIP() << "the simulator is not built";
        initializeSession(counterDir.path());
        sim.useAsDefaultAgent();
    }

    QTemporaryDir counterDir;
    SimulatorProcess sim;
};
