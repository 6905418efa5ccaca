#include "CliResult.h"

#include "TestAgents.h"

#include <QElapsedTimer>
#include <QProcess>

namespace {

CliResult runProcess(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
                     const QString &folder, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    CliResult result;
    if (!process.waitForStarted(5000)) {
        result.err = QStringLiteral("cannot start ") + program;
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        result.err = program + QStringLiteral(" did not finish");
        return result;
    }
    result.elapsedMs = timer.elapsed();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

CliResult runSnmp(const QString &tool, const QStringList &arguments, int timeoutMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MIBS"), QString());
    return runProcess(tool, arguments, environment, QString(), timeoutMs);
}

QProcessEnvironment moduleProgramEnvironment(const QString &folder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NX2400P_REGISTRY"), folder + QStringLiteral("/registry.ini"));
    // The programs' change journals go into the folder too.
    env.insert(QStringLiteral("XDG_STATE_HOME"), folder + QStringLiteral("/state"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

CliResult runModuleProgram(const QString &program, const QStringList &arguments, const QString &folder, int timeoutMs)
{
    return runProcess(program, arguments, moduleProgramEnvironment(folder), folder, timeoutMs);
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
