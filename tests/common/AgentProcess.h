#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// An SNMP agent run as a child process on a loopback UDP port of its own (the
// switch simulator, net-snmp's snmpd), so a test or benchmark can change its
// state without disturbing anyone else's agent. Stopped with SIGTERM at the
// latest when this goes.
class AgentProcess
{
public:
    AgentProcess() = default;
    virtual ~AgentProcess();
    AgentProcess(const AgentProcess &) = delete;
    AgentProcess &operator=(const AgentProcess &) = delete;

    // Started and ready on port(), in the sense its starter asked for.
    bool running() const { return m_running; }
    quint16 port() const { return m_port; }
    // "127.0.0.1:PORT", as net-snmp's tools take it.
    QString target() const;
    // All the child has written so far, its standard output and error in one.
    QString output();
    // SIGTERM and wait; returns the exit code (-1 when it did not end normally).
    int stop();

    // Makes this agent the one every request created from now on talks to,
    // over SNMPv2c with the test communities. Call it after initializeSession,
    // which resets the defaults.
    void useAsDefaultAgent() const;

protected:
    // Starts `program` with the arguments for a free port and waits up to a
    // minute until ready() holds, polled while the child runs. A port found free
    // can be taken by someone else before the child binds it, so it tries three
    // ports. Says on stderr why it gives up.
    bool start(const QString &program, const std::function<QStringList(quint16 port)> &arguments,
               const std::function<bool()> &ready,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    // The child has written `text` (it has said it listens, for example).
    bool said(const char *text);
    // The agent answers one SNMPv2c GET of sysDescr with the read community.
    bool answers() const;

private:
    // Moves what the child wrote from the pipe to m_output.
    void takeOutput();

    std::unique_ptr<QProcess> m_process;
    QByteArray m_output;
    quint16 m_port = 0;
    bool m_running = false;
};
