#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

// A private simulator for one test: its own port and state, so tests that
// change ports or inject faults do not disturb the shared one.
class SimProcess
{
public:
    // With expectAnswers false the process only has to keep running (for
    // agents told to drop everything).
    explicit SimProcess(const QStringList &extraArguments = {}, bool expectAnswers = true);
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    bool running() const { return m_port != 0; }
    int port() const { return m_port; }
    QString target() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString output();
    // SIGTERM and wait; returns the exit code (-1 when it did not end normally).
    int stop();

    static QString program();
    static int freePort();

private:
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};

// Result of one run of a net-snmp command-line tool.
struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

// Runs snmpget, snmpset, snmpwalk, ... with MIBS= and the given arguments.
CliResult runSnmp(const QString &tool, const QStringList &arguments, int timeoutMs = 60000);
// Just the value of one instance (-Oqv), whitespace trimmed.
QString getValue(const QString &target, const QString &oid, const QString &community = QStringLiteral("vqmtze"));
// The octets of an OCTET STRING instance.
QByteArray getOctets(const QString &target, const QString &oid);
