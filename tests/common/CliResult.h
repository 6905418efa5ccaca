#pragma once

#include <QByteArray>
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
// Just the value of one instance (-Oqv), whitespace trimmed.
QString getValue(const QString &target, const QString &oid, const QString &community = QStringLiteral("vqmtze"));
// The octets of an OCTET STRING instance.
QByteArray getOctets(const QString &target, const QString &oid);
