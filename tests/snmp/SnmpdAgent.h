#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// net-snmp's snmpd on a free loopback port with its own configuration, for the
// request engine's integration tests. Communities: "vqmtze" (read), "kdrwopl"
// (write), "ifonly" (only the ifIndex column is in view), "emptyview" (a view
// holding one empty subtree). USM users: alice (MD5 + DES), bob (SHA + DES).
class SnmpdAgent
{
public:
    SnmpdAgent()
    {
        if (QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/local/sbin", "/sbin"}).isEmpty())
            return;
        // A port found free can be taken by another test before snmpd binds it.
        for (int attempt = 0; attempt < 3 && !m_running; ++attempt)
            start(freeUdpPort());
    }

private:
    void start(quint16 port)
    {
        m_port = port;
        const QString conf = m_dir.filePath("snmpd.conf");
        QFile f(conf);
        if (!f.open(QIODevice::WriteOnly))
            return;
        f.write(QStringLiteral("agentAddress udp:127.0.0.1:%1\n").arg(m_port).toLatin1());
        f.write("rocommunity vqmtze 127.0.0.1\n"
                "rwcommunity kdrwopl 127.0.0.1\n"
                "rocommunity ifonly 127.0.0.1 .1.3.6.1.2.1.2.2.1.1\n"
                "rocommunity emptyview 127.0.0.1 .1.3.6.1.2.1.999\n"
                "createUser alice MD5 \"alicepass1\" DES \"alicepriv1\"\n"
                "createUser bob SHA \"bobpass123\" DES \"bobpriv123\"\n"
                "rwuser alice priv\n"
                "rwuser bob priv\n");
        f.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", m_dir.filePath("persist"));
        env.insert("MIBS", "");
        QDir().mkpath(m_dir.filePath("persist"));
        m_process.setProcessEnvironment(env);
        m_process.setProgram(QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/local/sbin", "/sbin"}));
        m_process.setArguments({"-f", "-Lf", m_dir.filePath("snmpd.log"), "-C", "-c", conf, "-p",
                                m_dir.filePath("snmpd.pid")});
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        // Ready once its port is taken; on a busy machine that can take a while.
        for (int i = 0; i < 600 && m_process.state() == QProcess::Running; ++i) {
            if (portInUse(m_port)) {
                m_running = true;
                QThread::msleep(100);
                break;
            }
            QThread::msleep(50);
        }
        if (!m_running && m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }

public:
    ~SnmpdAgent()
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
    QString log() const
    {
        QFile f(m_dir.filePath("snmpd.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

    static quint16 freeUdpPort()
    {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len);
        ::close(fd);
        return ntohs(a.sin_port);
    }

    static bool portInUse(quint16 port)
    {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(port);
        const bool inUse = ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0;
        ::close(fd);
        return inUse;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_running = false;
};
