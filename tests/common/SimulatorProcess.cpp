#include "SimulatorProcess.h"

#include "TestAgents.h"

namespace {

QStringList testUsers()
{
    using namespace TestAgents;
    const QStringList users{
        QStringLiteral("%1:MD5:%2:DES:%3").arg(md5User, md5AuthPassword, md5PrivPassword),
        QStringLiteral("%1:SHA:%2:DES:%3").arg(shaUser, shaAuthPassword, shaPrivPassword),
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
