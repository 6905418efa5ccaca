#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPRequest.h"
#include "snmp/QxSNMPSession.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// Read-only exchanges with the agents every test run shares (CTest fixtures):
// the same requests against the simulator and against net-snmp's snmpd, with
// every version and both SNMPv3 authPriv users.
namespace {

constexpr QxSNMPVarItem kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.1.3", "Up Time", QxSyntax::timeticks, QxAccess::readonly},
    {},
};

constexpr QxSNMPVarItem kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", QxSyntax::integer, QxAccess::notaccess},
    {"1.3.6.1.2.1.2.2.1.2", "Description", QxSyntax::displaystr, QxAccess::readonly},
    {"1.3.6.1.2.1.2.2.1.3", "Type", QxSyntax::integer, QxAccess::readonly},
    {},
};

struct Credentials
{
    const char *name;
    quint8 version;
    const char *user;
    int auth;
    const char *authPassword;
    const char *privPassword;
    int level = QxSNMPSecurity::AuthPriv;
    int priv = QxSNMPSecurity::PrivDES;
};

const Credentials kCredentials[] = {
    {"v1", QxSNMPSecurity::V1, "", QxSNMPSecurity::AuthNone, "", ""},
    {"v2c", QxSNMPSecurity::V2c, "", QxSNMPSecurity::AuthNone, "", ""},
    {"v3 MD5 DES", QxSNMPSecurity::V3, TestAgents::md5User, QxSNMPSecurity::AuthMD5, TestAgents::md5AuthPassword,
     TestAgents::md5PrivPassword},
    {"v3 SHA DES", QxSNMPSecurity::V3, TestAgents::shaUser, QxSNMPSecurity::AuthSHA, TestAgents::shaAuthPassword,
     TestAgents::shaPrivPassword},
    {"v3 SHA-256 AES-128", QxSNMPSecurity::V3, TestAgents::sha256User, QxSNMPSecurity::AuthSHA256,
     TestAgents::sha256AuthPassword, TestAgents::sha256PrivPassword, QxSNMPSecurity::AuthPriv,
     QxSNMPSecurity::PrivAES128},
    {"v3 SHA-512 AES-256", QxSNMPSecurity::V3, TestAgents::sha512User, QxSNMPSecurity::AuthSHA512,
     TestAgents::sha512AuthPassword, TestAgents::sha512PrivPassword, QxSNMPSecurity::AuthPriv,
     QxSNMPSecurity::PrivAES256},
    {"v3 MD5 without privacy", QxSNMPSecurity::V3, TestAgents::authOnlyUser, QxSNMPSecurity::AuthMD5,
     TestAgents::authOnlyPassword, "", QxSNMPSecurity::AuthNoPriv},
    {"v3 without authentication", QxSNMPSecurity::V3, TestAgents::noAuthUser, QxSNMPSecurity::AuthNone, "", "",
     QxSNMPSecurity::NoAuthNoPriv},
};

void configure(QxSNMPRequest &r, int port, const Credentials &c)
{
    r.device.address = TestAgents::host;
    r.device.port = quint16(port);
    r.security.version = c.version;
    r.security.readCommunity = TestAgents::readCommunity;
    r.security.writeCommunity = TestAgents::writeCommunity;
    if (c.version == QxSNMPSecurity::V3) {
        r.security.securityModel = 3;
        r.security.securityLevel = c.level;
        r.security.securityName = c.user;
        r.security.authProtocol = c.auth;
        r.security.privProtocol = c.level == QxSNMPSecurity::AuthPriv ? c.priv : QxSNMPSecurity::PrivNone;
        r.security.authPassword = c.authPassword;
        r.security.privPassword = c.privPassword;
    }
}

class SharedAgents : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        port = GetParam() == 0 ? simulatorPort() : snmpdPort();
        if (port == 0)
            GTEST_SKIP() << "the shared test agents are not running (run through ctest)";
        initializeSession(counterDir.path());
    }
    int port = 0;
    QTemporaryDir counterDir;
};

TEST_P(SharedAgents, ScalarsAndWalksWithEveryVersion)
{
    for (const Credentials &c : kCredentials) {
        SCOPED_TRACE(c.name);
        QxSNMPRequest scalars;
        scalars.varList() = QxSNMPVarList(kSystem, SVT_SV, 0);
        configure(scalars, port, c);
        try {
            EXPECT_FALSE(scalars.readRow(true));
        } catch (const QxSNMPException &e) {
            ADD_FAILURE() << e.code() << " " << e.text().toStdString();
            continue;
        }
        EXPECT_FALSE(scalars.varList().item(0).valueText.isEmpty());
        EXPECT_TRUE(scalars.varList().item(1).valueText.contains(':'));

        QxSNMPRequest table;
        table.varList() = QxSNMPVarList(kIfTable, MVT_FMV, 1);
        configure(table, port, c);
        int rows = 0;
        for (bool more = table.readRow(true); more && rows < 1000; more = table.readRow(false)) {
            ++rows;
            EXPECT_FALSE(table.varList().item(0).valueText.isEmpty());
        }
        EXPECT_GE(rows, 1);
        EXPECT_LT(rows, 1000);

        bool done = false;
        QxSNMPError reply;
        scalars.varList().item(0).valueText.clear();
        scalars.readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { reply = e, done = true; }, nullptr,
                             true);
        EXPECT_TRUE(TestSupport::waitUntil([&] { return done; }, 3000));
        EXPECT_EQ(reply.code, 0) << reply.message.toStdString();
        EXPECT_FALSE(scalars.varList().item(0).valueText.isEmpty());
    }
}

TEST_P(SharedAgents, WrongPassPhrasesAndUnknownProtocolsAreRefusedInTheCatalogueWords)
{
    const Credentials &sha256 = kCredentials[4];
    ASSERT_EQ(sha256.auth, QxSNMPSecurity::AuthSHA256);
    const auto refusal = [this, &sha256](const std::function<void(QxSNMPSecurity &)> &change) {
        QxSNMPRequest r;
        r.varList() = QxSNMPVarList(kSystem, SVT_SV, 0);
        configure(r, port, sha256);
        change(r.security);
        try {
            r.readRow(true);
        } catch (const QxSNMPException &e) {
            return e.text();
        }
        return QString();
    };
    EXPECT_EQ(refusal([](QxSNMPSecurity &s) { s.authPassword += 'x'; }), "(SNMPv3USM) Authentication failure!");
    EXPECT_EQ(refusal([](QxSNMPSecurity &s) { s.authProtocol = 8; }), "(SNMPv3USM) Unsupported AuthProtocol!");
    EXPECT_EQ(refusal([](QxSNMPSecurity &s) { s.privProtocol = 6; }), "(SNMPv3USM) Unsupported PrivProtocol!");
}

// The agent's report says why it refused, and so does the module: the same
// texts whether the request waited for its reply or was handed it.
TEST_P(SharedAgents, SnmpV3ReportsKeepTheirReason)
{
    const auto refusal = [this](const Credentials &c, const std::function<void(QxSNMPSecurity &)> &change) {
        QStringList texts;
        QxSNMPRequest r;
        r.varList() = QxSNMPVarList(kSystem, SVT_SV, 0);
        configure(r, port, c);
        change(r.security);
        try {
            r.readRow(true);
            texts << "Ok";
        } catch (const QxSNMPException &e) {
            texts << e.text();
        }
        bool done = false;
        r.readRowAsync([&](void *, const QxSNMPError &e, QxSNMPVarList &) { texts << e.message, done = true; },
                       nullptr, true);
        EXPECT_TRUE(TestSupport::waitUntil([&] { return done; }, 5000));
        return texts;
    };
    const auto twice = [](const char *text) { return QStringList{text, text}; };
    EXPECT_EQ(refusal(kCredentials[6], [](QxSNMPSecurity &s) { s.securityName = "nxnobody"; }),
              twice("(SNMPv3USM) Unknown SecurityName!"));
    EXPECT_EQ(refusal(kCredentials[6],
                      [](QxSNMPSecurity &s) {
                          s.securityLevel = QxSNMPSecurity::AuthPriv;
                          s.privProtocol = QxSNMPSecurity::PrivDES;
                          s.privPassword = "nxauthpriv1";
                      }),
              twice("(SNMPv3USM) Unsupported SecurityLevel!"));
    // A DES user's agent cannot decrypt what AES encrypted (the other way
    // round an agent finds no message and says nothing).
    EXPECT_EQ(refusal(kCredentials[2], [](QxSNMPSecurity &s) { s.privProtocol = QxSNMPSecurity::PrivAES128; }),
              twice("(SNMPv3USM) Decryption error!"));
}

INSTANTIATE_TEST_SUITE_P(Agents, SharedAgents, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(info.param == 0 ? "Simulator" : "Snmpd");
                         });

} // namespace
