#pragma once

#include "common/AgentProcess.h"
#include "common/TestAgents.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

// net-snmp's snmpd on a free loopback port with its own configuration, for the
// request engine's integration tests. Communities: "vqmtze" (read), "kdrwopl"
// (write), "ifonly" (only the ifIndex column is in view), "emptyview" (a view
// holding one empty subtree). USM users: alice (MD5 + DES), bob (SHA + DES).
class SnmpdAgent : public AgentProcess
{
public:
    SnmpdAgent()
    {
        const QString program = QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/local/sbin", "/sbin"});
        if (program.isEmpty())
            return;
        QDir().mkpath(m_dir.filePath("persist"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", m_dir.filePath("persist"));
        env.insert("MIBS", "");
        // snmpd says nothing when it listens: it has once its port is taken.
        start(program, [this](quint16 port) { return arguments(port); },
              [this] { return TestAgents::portInUse(port()) && answers(); }, env);
    }

    // Stopped before its folder goes: it writes its persistent state there as it ends.
    ~SnmpdAgent() override { stop(); }

    QString log() const
    {
        QFile f(m_dir.filePath("snmpd.log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

private:
    // The configuration for the port, written afresh for every attempt.
    QStringList arguments(quint16 port) const
    {
        const QString conf = m_dir.filePath("snmpd.conf");
        QFile f(conf);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(QStringLiteral("agentAddress udp:127.0.0.1:%1\n").arg(port).toLatin1());
            f.write("rocommunity vqmtze 127.0.0.1\n"
                    "rwcommunity kdrwopl 127.0.0.1\n"
                    "rocommunity ifonly 127.0.0.1 .1.3.6.1.2.1.2.2.1.1\n"
                    "rocommunity emptyview 127.0.0.1 .1.3.6.1.2.1.999\n"
                    "createUser alice MD5 \"alicepass1\" DES \"alicepriv1\"\n"
                    "createUser bob SHA \"bobpass123\" DES \"bobpriv123\"\n"
                    "rwuser alice priv\n"
                    "rwuser bob priv\n");
        }
        return {"-f", "-Lf", m_dir.filePath("snmpd.log"), "-C", "-c", conf, "-p", m_dir.filePath("snmpd.pid")};
    }

    QTemporaryDir m_dir;
};
