#include "SimulatorProcess.h"

#include "CliResult.h"
#include "TestAgents.h"

namespace {

QStringList testUsers()
{
    using namespace TestAgents;
    const QStringList users{
        QStringLiteral("%1:MD5:%2:DES:%3").arg(md5User, md5AuthPassword, md5PrivPassword),
        QStringLiteral("%1:SHA:%2:DES:%3").arg(shaUser, shaAuthPassword, shaPrivPassword),
        QStringLiteral("%1:SHA-256:%2:AES:%3").arg(sha256User, sha256AuthPassword, sha256PrivPassword),
        QStringLiteral("%1:SHA-512:%2:AES-256:%3").arg(sha512User, sha512AuthPassword, sha512PrivPassword),
        QStringLiteral("%1:MD5:%2").arg(authOnlyUser, authOnlyPassword),
        QStringLiteral("%1:none:").arg(noAuthUser),
    };
    QStringList arguments;
    for (const QString &user : users)
        arguments << QStringLiteral("--user") << user;
    return arguments;
}

} // namespace

SimulatorProcess::SimulatorProcess(const QStringList &extraArguments, bool expectAnswers, const QString &program)
{
    const QStringList users = testUsers();
    start(program.isEmpty() ? SimulatorProcess::program() : program,
          [&](quint16 port) {
              return QStringList{QStringLiteral("--listen"), QStringLiteral("udp:%1:%2").arg(TestAgents::host).arg(port)}
                     + users + extraArguments;
          },
          // It says so once it listens; probing earlier only waits out a time-out.
          [&] { return said("listening") && (!expectAnswers || answers()); });
}

QString SimulatorProcess::program()
{
    return QStringLiteral(NX_BIN_DIR "/nx2400p-sim");
}

QStringList SimulatorProcess::lastSet() const
{
    const auto column = [this](int c) {
        const CliResult r = runSnmp(QStringLiteral("snmpwalk"),
                                    {QStringLiteral("-v2c"), QStringLiteral("-c"), QString::fromLatin1(TestAgents::readCommunity),
                                     QStringLiteral("-On"), QStringLiteral("-Oqv"), target(),
                                     QStringLiteral("1.3.6.1.3.2400.1.14.1.%1").arg(c)});
        return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    const QStringList oids = column(2);
    const QStringList values = column(3);
    QStringList bindings;
    for (qsizetype i = 0; i < oids.size() && i < values.size(); ++i) {
        QString value = values.at(i).trimmed();
        if (value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        QString oid = oids.at(i).trimmed();
        if (oid.startsWith(QLatin1Char('.')))
            oid.remove(0, 1);
        bindings << oid + QLatin1Char('=') + value;
    }
    return bindings;
}

int SimulatorProcess::setCount() const
{
    return getValue(target(), QStringLiteral("1.3.6.1.3.2400.1.13.0")).toInt();
}

void SimulatorProcess::setBulkMode(int mode) const
{
    runSnmp(QStringLiteral("snmpset"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                        QString::fromLatin1(TestAgents::writeCommunity), target(),
                                        QStringLiteral("1.3.6.1.3.2400.1.16.0"), QStringLiteral("i"),
                                        QString::number(mode)});
}

int SimulatorProcess::bulkCount() const
{
    return getValue(target(), QStringLiteral("1.3.6.1.3.2400.1.17.0")).toInt();
}
