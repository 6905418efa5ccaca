#include "SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

QString SimProcess::program()
{
    return QStringLiteral(NX_BIN_DIR "/nx2400p-sim");
}

int SimProcess::freePort()
{
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

SimProcess::SimProcess(const QStringList &extraArguments, bool expectAnswers)
{
    for (int attempt = 0; attempt < 3 && !m_port; ++attempt) {
        const int port = freePort();
        m_process = std::make_unique<QProcess>();
        m_process->setProcessChannelMode(QProcess::MergedChannels);
        QStringList arguments{QStringLiteral("--listen"), QStringLiteral("udp:127.0.0.1:%1").arg(port),
                              QStringLiteral("--user"), QStringLiteral("nxmd5:MD5:nxmd5auth1:DES:nxmd5priv1"),
                              QStringLiteral("--user"), QStringLiteral("nxsha:SHA:nxshaauth1:DES:nxshapriv1"),
                              QStringLiteral("--user"), QStringLiteral("nxnone:none:")};
        arguments += extraArguments;
        m_process->start(program(), arguments);
        if (!m_process->waitForStarted(5000))
            continue;
        if (!expectAnswers) {
            QThread::msleep(400);
            if (m_process->state() == QProcess::Running)
                m_port = port;
            break;
        }
        QElapsedTimer timer;
        timer.start();
        // The agent says when it listens; probing earlier only waits out a time-out.
        // A large state (100000 FDB entries, a sanitizer build) takes seconds to load.
        QByteArray said;
        while (timer.elapsed() < 60000 && !said.contains("listening") && m_process->state() == QProcess::Running) {
            m_process->waitForReadyRead(100);
            said = m_process->peek(4096);
        }
        const qint64 probeUntil = timer.elapsed() + 15000;
        while (timer.elapsed() < probeUntil && m_process->state() == QProcess::Running) {
            CliResult probe = runSnmp(QStringLiteral("snmpget"),
                                      {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                       QStringLiteral("-t"), QStringLiteral("1"), QStringLiteral("-r"),
                                       QStringLiteral("0"), QStringLiteral("127.0.0.1:%1").arg(port),
                                       QStringLiteral("1.3.6.1.2.1.1.1.0")});
            if (probe.exitCode == 0) {
                m_port = port;
                break;
            }
        }
        if (!m_port)
            stop();
    }
}

SimProcess::~SimProcess()
{
    stop();
}

QString SimProcess::output()
{
    if (!m_process)
        return {};
    return QString::fromLocal8Bit(m_process->readAll());
}

int SimProcess::stop()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return m_process && m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1;
    m_process->terminate();
    if (!m_process->waitForFinished(5000)) {
        m_process->kill();
        m_process->waitForFinished(2000);
        return -1;
    }
    m_port = 0;
    return m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1;
}

CliResult runSnmp(const QString &tool, const QStringList &arguments, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MIBS"), QString());
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(tool, arguments);
    CliResult result;
    if (!process.waitForStarted(5000)) {
        result.err = QStringLiteral("cannot start ") + tool;
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        result.err = tool + QStringLiteral(" did not finish");
        return result;
    }
    result.elapsedMs = timer.elapsed();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QString getValue(const QString &target, const QString &oid, const QString &community)
{
    CliResult result = runSnmp(QStringLiteral("snmpget"),
                               {QStringLiteral("-v2c"), QStringLiteral("-c"), community, QStringLiteral("-Oqv"),
                                target, oid});
    return result.out.trimmed();
}

QByteArray getOctets(const QString &target, const QString &oid)
{
    CliResult result = runSnmp(QStringLiteral("snmpget"),
                               {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                QStringLiteral("-Oqvx"), target, oid});
    QString hex = result.out;
    hex.remove(QLatin1Char('"'));
    hex.remove(QLatin1Char(' '));
    hex.remove(QLatin1Char('\n'));
    return QByteArray::fromHex(hex.toLatin1());
}
