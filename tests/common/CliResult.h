#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Result of one run of a net-snmp command-line tool.
struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0; // from start to end, the start included
};

// Runs snmpget, snmpset, snmpwalk, ... (found on PATH) with MIBS= and the given
// arguments, until it ends or timeoutMs have passed.
CliResult runSnmp(const QString &tool, const QStringList &arguments, int timeoutMs = 60000);

// The environment the module's own programs (nx2400p-cli, nx2400p-dialog) run
// in under test: no display, and the registry file in `folder`, which names
// no folders unless the test writes one there.
QProcessEnvironment moduleProgramEnvironment(const QString &folder);
// Runs one of them in `folder` (their boot counter goes there) with that
// environment; a run that does not end in time is killed (exit code -1).
CliResult runModuleProgram(const QString &program, const QStringList &arguments, const QString &folder,
                           int timeoutMs = 60000);
// Just the value of one instance (-Oqv), whitespace trimmed.
QString getValue(const QString &target, const QString &oid, const QString &community = QStringLiteral("vqmtze"));
// The octets of an OCTET STRING instance.
QByteArray getOctets(const QString &target, const QString &oid);
