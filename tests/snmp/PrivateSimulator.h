#pragma once

#include "SnmpdAgent.h"
#include "common/TestAgents.h"
#include "snmp/QxSNMPSession.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QThread>

// A simulator of the test's own, on a free loopback port, for tests that change
// its state or inject faults (the shared one must stay as other tests expect it).
// Its SNMPv3 users are those of the shared test agents.
class PrivateSimulator
{
public:
    explicit PrivateSimulator(const QStringList &extraArguments = {})
    {
        const QString program = QStringLiteral(NX_BIN_DIR) + "/nx2400p-sim";
        if (!QFile::exists(program))
            return;
        m_port = SnmpdAgent::freeUdpPort();
        QStringList args{"--listen", QStringLiteral("udp:127.0.0.1:%1").arg(m_port),
                         "--user", "nxmd5:MD5:nxmd5auth1:DES:nxmd5priv1",
                         "--user", "nxsha:SHA:nxshaauth1:DES:nxshapriv1"};
        m_process.setProgram(program);
        m_process.setArguments(args + extraArguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        // Up to a minute: a large state in a sanitizer build takes that long to load.
        for (int i = 0; i < 1200; ++i) {
            if (SnmpdAgent::portInUse(m_port)) {
                m_running = true;
                QThread::msleep(50);
                break;
            }
            if (m_process.state() == QProcess::NotRunning)
                return;
            QThread::msleep(50);
        }
    }

    ~PrivateSimulator()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000)) {
                m_process.kill();
                m_process.waitForFinished(1000);
            }
        }
    }

    bool running() const { return m_running; }
    quint16 port() const { return m_port; }

    // Makes this simulator the agent that every request created from now on
    // talks to, over SNMPv2c with the default communities.
    void useAsDefaultAgent() const
    {
        defaultDevice.address = TestAgents::host;
        defaultDevice.port = m_port;
        defaultSecurity = QxSNMPSecurity();
        defaultSecurity.version = QxSNMPSecurity::V2c;
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
    bool m_running = false;
};
