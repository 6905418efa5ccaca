#include "AgentProcess.h"

#include "CliResult.h"
#include "TestAgents.h"
#include "snmp/QxSNMPSession.h"

#include <QElapsedTimer>
#include <QThread>

#include <cstdio>

namespace {

// Up to a minute: a large state (100000 forwarding entries) in a sanitizer
// build on a busy machine takes that long to load.
constexpr qint64 startupMs = 60000;
constexpr int pollMs = 50;

} // namespace

AgentProcess::~AgentProcess()
{
    stop();
}

QString AgentProcess::target() const
{
    return QStringLiteral("%1:%2").arg(QLatin1String(TestAgents::host)).arg(m_port);
}

QString AgentProcess::output()
{
    takeOutput();
    return QString::fromLocal8Bit(m_output);
}

void AgentProcess::takeOutput()
{
    if (m_process)
        m_output += m_process->readAll();
}

int AgentProcess::stop()
{
    m_running = false;
    if (!m_process)
        return -1;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(2000);
            return -1;
        }
    }
    return m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1;
}

void AgentProcess::useAsDefaultAgent() const
{
    defaultDevice.address = QString::fromLatin1(TestAgents::host);
    defaultDevice.port = m_port;
    defaultSecurity = QxSNMPSecurity();
    defaultSecurity.version = QxSNMPSecurity::V2c;
    defaultSecurity.readCommunity = QString::fromLatin1(TestAgents::readCommunity);
    defaultSecurity.writeCommunity = QString::fromLatin1(TestAgents::writeCommunity);
}

bool AgentProcess::start(const QString &program, const std::function<QStringList(quint16)> &arguments,
                         const std::function<bool()> &ready, const QProcessEnvironment &environment)
{
    stop();
    for (int attempt = 0; attempt < 3 && !m_running; ++attempt) {
        m_port = TestAgents::freeUdpPort();
        m_output.clear();
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::MergedChannels);
        m_process->setProcessEnvironment(environment);
        m_process->start(program, arguments(m_port));
        if (!m_process->waitForStarted(5000)) {
            m_output = m_process->errorString().toLocal8Bit();
            continue;
        }
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < startupMs && m_process->state() == QProcess::Running) {
            if (ready()) {
                m_running = true;
                break;
            }
            // Takes in what the child says meanwhile; one that says nothing is
            // given the same pause.
            QElapsedTimer pause;
            pause.start();
            if (!m_process->waitForReadyRead(pollMs) && pause.elapsed() < pollMs)
                QThread::msleep(pollMs);
        }
        if (!m_running)
            stop();
    }
    if (!m_running)
        std::fprintf(stderr, "%s did not come up on a loopback port: %s\n", qPrintable(program),
                     qPrintable(output()));
    return m_running;
}

bool AgentProcess::said(const char *text)
{
    takeOutput();
    return m_output.contains(text);
}

bool AgentProcess::answers() const
{
    const CliResult probe = runSnmp(QStringLiteral("snmpget"),
                                    {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                     QString::fromLatin1(TestAgents::readCommunity), QStringLiteral("-t"),
                                     QStringLiteral("1"), QStringLiteral("-r"), QStringLiteral("0"), target(),
                                     QStringLiteral("1.3.6.1.2.1.1.1.0")});
    return probe.exitCode == 0;
}
