// Access to the simulator per SNMP version, community and USM user, checked
// with net-snmp's own command-line tools.
#include "common/CliResult.h"
#include "common/SimulatorProcess.h"
#include "common/TestAgents.h"

#include <gtest/gtest.h>

namespace {

const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString sysDescr = QStringLiteral("1.3.6.1.2.1.1.1.0");

QString sharedTarget()
{
    return QStringLiteral("127.0.0.1:%1").arg(simulatorPort());
}

QStringList v3(const QString &level, const QString &user, const QString &auth = {}, const QString &authPass = {},
               const QString &priv = {}, const QString &privPass = {})
{
    QStringList args{QStringLiteral("-v3"), QStringLiteral("-l"), level, QStringLiteral("-u"), user,
                     QStringLiteral("-t"), QStringLiteral("2"), QStringLiteral("-r"), QStringLiteral("0")};
    if (!auth.isEmpty())
        args << QStringLiteral("-a") << auth << QStringLiteral("-A") << authPass;
    if (!priv.isEmpty())
        args << QStringLiteral("-x") << priv << QStringLiteral("-X") << privPass;
    return args;
}

} // namespace

TEST(SimAgents, BothSharedAgentsAnswer)
{
    ASSERT_GT(simulatorPort(), 0);
    ASSERT_GT(snmpdPort(), 0);
    EXPECT_EQ(getValue(sharedTarget(), sysName), QStringLiteral("\"NX-2400P\""));
    EXPECT_FALSE(getValue(QStringLiteral("127.0.0.1:%1").arg(snmpdPort()), sysDescr).isEmpty());
}

TEST(SimAccess, CommunitiesReadInBothVersions)
{
    for (const QString version : {QStringLiteral("-v1"), QStringLiteral("-v2c")})
        for (const QString community : {QStringLiteral("vqmtze"), QStringLiteral("kdrwopl")}) {
            CliResult r = runSnmp(QStringLiteral("snmpget"), {version, QStringLiteral("-c"), community,
                                                              QStringLiteral("-Oqv"), sharedTarget(), sysName});
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            EXPECT_EQ(r.out.trimmed(), QStringLiteral("\"NX-2400P\""));
        }
}

TEST(SimAccess, UnknownCommunityGetsNoAnswer)
{
    CliResult r = runSnmp(QStringLiteral("snmpget"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                      QStringLiteral("public"), QStringLiteral("-t"),
                                                      QStringLiteral("0.5"), QStringLiteral("-r"), QStringLiteral("0"),
                                                      sharedTarget(), sysName});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Timeout"))) << r.err.toStdString();
}

TEST(SimAccess, ReadCommunityCannotSet)
{
    // Refused before any value is looked at, in both versions, and nothing changes.
    CliResult v2 = runSnmp(QStringLiteral("snmpset"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                       QStringLiteral("vqmtze"), sharedTarget(), sysName,
                                                       QStringLiteral("s"), QStringLiteral("intruder")});
    EXPECT_NE(v2.exitCode, 0);
    EXPECT_TRUE(v2.err.contains(QStringLiteral("noAccess"))) << v2.err.toStdString();
    CliResult v1 = runSnmp(QStringLiteral("snmpset"), {QStringLiteral("-v1"), QStringLiteral("-c"),
                                                       QStringLiteral("vqmtze"), sharedTarget(), sysName,
                                                       QStringLiteral("s"), QStringLiteral("intruder")});
    EXPECT_NE(v1.exitCode, 0);
    EXPECT_TRUE(v1.err.contains(QStringLiteral("noSuchName"))) << v1.err.toStdString();
    EXPECT_EQ(getValue(sharedTarget(), sysName), QStringLiteral("\"NX-2400P\""));
}

TEST(SimAccess, UsmUsersAtEverySecurityLevel)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running()) << sim.output().toStdString();
    const QList<QStringList> logins = {
        v3(QStringLiteral("authPriv"), QStringLiteral("nxmd5"), QStringLiteral("MD5"), QStringLiteral("nxmd5auth1"),
           QStringLiteral("DES"), QStringLiteral("nxmd5priv1")),
        v3(QStringLiteral("authNoPriv"), QStringLiteral("nxmd5"), QStringLiteral("MD5"), QStringLiteral("nxmd5auth1")),
        v3(QStringLiteral("noAuthNoPriv"), QStringLiteral("nxmd5")),
        v3(QStringLiteral("authPriv"), QStringLiteral("nxsha"), QStringLiteral("SHA"), QStringLiteral("nxshaauth1"),
           QStringLiteral("DES"), QStringLiteral("nxshapriv1")),
        v3(QStringLiteral("noAuthNoPriv"), QStringLiteral("nxnone")),
    };
    int n = 0;
    for (const QStringList &login : logins) {
        const QString name = QStringLiteral("user%1").arg(++n);
        CliResult set = runSnmp(QStringLiteral("snmpset"), login + QStringList{sim.target(), sysName,
                                                                               QStringLiteral("s"), name});
        EXPECT_EQ(set.exitCode, 0) << login.join(' ').toStdString() << ": " << set.err.toStdString();
        CliResult get = runSnmp(QStringLiteral("snmpget"), login + QStringList{QStringLiteral("-Oqv"), sim.target(), sysName});
        EXPECT_EQ(get.out.trimmed(), QStringLiteral("\"%1\"").arg(name)) << login.join(' ').toStdString();
    }
}

TEST(SimAccess, UsmRefusesWrongKeysAndUnknownUsers)
{
    SimulatorProcess sim;
    ASSERT_TRUE(sim.running());
    CliResult wrongAuth = runSnmp(QStringLiteral("snmpget"),
                                  v3(QStringLiteral("authNoPriv"), QStringLiteral("nxmd5"), QStringLiteral("MD5"),
                                     QStringLiteral("wrongpass1")) + QStringList{sim.target(), sysName});
    EXPECT_NE(wrongAuth.exitCode, 0);
    EXPECT_TRUE(wrongAuth.err.contains(QStringLiteral("Authentication failure"))) << wrongAuth.err.toStdString();
    CliResult unknown = runSnmp(QStringLiteral("snmpget"), v3(QStringLiteral("noAuthNoPriv"), QStringLiteral("nobody"))
                                                               + QStringList{sim.target(), sysName});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Unknown user name"))) << unknown.err.toStdString();
    // A user without authentication cannot ask for it.
    CliResult tooStrong = runSnmp(QStringLiteral("snmpget"),
                                  v3(QStringLiteral("authNoPriv"), QStringLiteral("nxnone"), QStringLiteral("MD5"),
                                     QStringLiteral("whatever12")) + QStringList{sim.target(), sysName});
    EXPECT_NE(tooStrong.exitCode, 0);
}

TEST(SimAccess, ErrorStatusesPerVersion)
{
    const QString target = sharedTarget();
    auto get = [&](const QString &version, const QString &oid) {
        return runSnmp(QStringLiteral("snmpget"), {version, QStringLiteral("-c"), QStringLiteral("vqmtze"), target, oid});
    };
    // v2c: exceptions per binding; v1: noSuchName for both.
    EXPECT_TRUE(get(QStringLiteral("-v2c"), QStringLiteral("1.3.6.1.2.1.1.1.1")).out.contains(QStringLiteral("No Such Instance")));
    EXPECT_TRUE(get(QStringLiteral("-v2c"), QStringLiteral("1.3.6.1.2.1.1.99.0")).out.contains(QStringLiteral("No Such Object")));
    EXPECT_TRUE(get(QStringLiteral("-v1"), QStringLiteral("1.3.6.1.2.1.1.1.1")).err.contains(QStringLiteral("noSuchName")));
    CliResult end = runSnmp(QStringLiteral("snmpgetnext"), {QStringLiteral("-v2c"), QStringLiteral("-c"),
                                                            QStringLiteral("vqmtze"), target, QStringLiteral("1.3.6.1.6.3.99")});
    EXPECT_TRUE(end.out.contains(QStringLiteral("No more variables"))) << end.out.toStdString();

    auto set = [&](const QString &version, const QString &oid, const QString &type, const QString &value) {
        CliResult r = runSnmp(QStringLiteral("snmpset"), {version, QStringLiteral("-c"), QStringLiteral("kdrwopl"),
                                                          target, oid, type, value});
        return r.err;
    };
    EXPECT_TRUE(set(QStringLiteral("-v2c"), sysDescr, QStringLiteral("s"), QStringLiteral("x")).contains(QStringLiteral("notWritable")));
    EXPECT_TRUE(set(QStringLiteral("-v1"), sysDescr, QStringLiteral("s"), QStringLiteral("x")).contains(QStringLiteral("noSuchName")));
    EXPECT_TRUE(set(QStringLiteral("-v2c"), sysName, QStringLiteral("i"), QStringLiteral("1")).contains(QStringLiteral("wrongType")));
    EXPECT_TRUE(set(QStringLiteral("-v1"), sysName, QStringLiteral("i"), QStringLiteral("1")).contains(QStringLiteral("badValue")));
    EXPECT_TRUE(set(QStringLiteral("-v2c"), sysName, QStringLiteral("s"), QString(200, QLatin1Char('n'))).contains(QStringLiteral("wrongLength")));
    // ifAdminStatus accepts up(1) and down(2) only.
    EXPECT_TRUE(set(QStringLiteral("-v2c"), QStringLiteral("1.3.6.1.2.1.2.2.1.7.3"), QStringLiteral("i"), QStringLiteral("7")).contains(QStringLiteral("wrongValue")));
    EXPECT_TRUE(set(QStringLiteral("-v1"), QStringLiteral("1.3.6.1.2.1.2.2.1.7.3"), QStringLiteral("i"), QStringLiteral("7")).contains(QStringLiteral("badValue")));
}

TEST(SimAccess, WholeTreeWalksInOrder)
{
    // snmpbulkwalk stops with an error on any answer that does not advance.
    CliResult all = runSnmp(QStringLiteral("snmpbulkwalk"), {QStringLiteral("-v2c"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                             QStringLiteral("-Cr25"), QStringLiteral("-On"), sharedTarget(),
                                                             QStringLiteral(".1")});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_GT(all.out.count(QLatin1Char('\n')), 5000);
    // The vendor's objects, the engine scalars of the SNMPv3 framework and the USM users are all there.
    EXPECT_TRUE(all.out.contains(QStringLiteral(".1.3.6.1.4.1.32473.11.63.7.2.1.1.5.0 = Hex-STRING:")));
    EXPECT_TRUE(all.out.contains(QStringLiteral(".1.3.6.1.4.1.32473.12.24.1.4.0 = INTEGER: 1")));
    EXPECT_TRUE(all.out.contains(QStringLiteral(".1.3.6.1.6.3.10.2.1.1.0 = Hex-STRING:")));
    EXPECT_TRUE(all.out.contains(QStringLiteral(".1.3.6.1.6.3.15.1.2.2.1.3.")));
    CliResult v1 = runSnmp(QStringLiteral("snmpwalk"), {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("vqmtze"),
                                                        QStringLiteral("-On"), sharedTarget(), QStringLiteral("1.3.6.1.4.1.32473")});
    ASSERT_EQ(v1.exitCode, 0) << v1.err.toStdString();
    EXPECT_GT(v1.out.count(QLatin1Char('\n')), 1000);
}
