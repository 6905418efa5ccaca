#include "CliResult.h"

#include "TestAgents.h"

#include <QElapsedTimer>
#include <QProcess>

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
                               {QStringLiteral("-v2c"), QStringLiteral("-c"), QString::fromLatin1(TestAgents::readCommunity),
                                QStringLiteral("-Oqvx"), target, oid});
    QString hex = result.out;
    hex.remove(QLatin1Char('"'));
    hex.remove(QLatin1Char(' '));
    hex.remove(QLatin1Char('\n'));
    return QByteArray::fromHex(hex.toLatin1());
}
