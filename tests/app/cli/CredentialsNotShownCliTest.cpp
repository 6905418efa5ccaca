// Community strings and SNMPv3 pass phrases must never reach what nx2400p-cli
// prints, nor any file it leaves behind, however the request fails: a silent
// port, an agent that drops unknown communities, one that refuses a pass
// phrase (with every authentication and privacy protocol family), an unknown
// protocol number, and a pass phrase the library rejects before sending.
#include "common/CliResult.h"
#include "common/TestAgents.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every secret carries this marker, so a partial leak (a truncated or quoted
// secret) is caught as well.
const QString kMarker = QStringLiteral("S3cr3t");
const QString kReadCommunity = QStringLiteral("rd-S3cr3t-community");
const QString kWriteCommunity = QStringLiteral("wr-S3cr3t-community");
const QString kAuthPhrase = QStringLiteral("auth-S3cr3t-phrase");
const QString kPrivPhrase = QStringLiteral("priv-S3cr3t-phrase");

class CredentialsNotShownCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QFile::exists(program()))
            GTEST_SKIP() << "nx2400p-cli is not built";
        // A registry the client reads; the secrets must not be written into it either.
        QFile registry(dir.filePath("registry.ini"));
        ASSERT_TRUE(registry.open(QIODevice::WriteOnly));
    }

    static QString program() { return QStringLiteral(NX_BIN_DIR "/nx2400p-cli"); }

    // Runs the client and returns everything it printed; the files in its folder are checked afterwards.
    QString run(int port, const QStringList &launch, const QStringList &action)
    {
        QStringList arguments{"/I127.0.0.1"};
        arguments << launch << "--port" << QString::number(port) << "--timeout" << "30" << "--retries" << "0"
                  << action;
        const CliResult r = runModuleProgram(program(), arguments, dir.path());
        EXPECT_NE(r.exitCode, 0) << "the request was expected to fail";
        return r.out + r.err;
    }

    void expectNoSecretIn(const QString &output, const char *scenario)
    {
        EXPECT_FALSE(output.contains(kMarker)) << scenario << ": " << output.toStdString();
        EXPECT_FALSE(output.trimmed().isEmpty()) << scenario << ": the failure was not reported";
        QDirIterator files(dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_FALSE(file.readAll().contains(kMarker.toUtf8())) << scenario << ": " << file.fileName().toStdString();
        }
    }

    static QStringList v2c() { return {"/v1", "/R" + kReadCommunity, "/W" + kWriteCommunity}; }
    // MD5 and DES unless other protocol numbers are given.
    static QStringList v3(const char *user, const QString &auth, const QString &priv, int authProtocol = 2,
                          int privProtocol = 2)
    {
        return {"/v3", "/m3", "/n" + QString::fromLatin1(user), "/l3", QStringLiteral("/a%1").arg(authProtocol),
                QStringLiteral("/p%1").arg(privProtocol), "/A" + auth, "/P" + priv};
    }

    QTemporaryDir dir;
};

const QStringList kShow{"show", "Device Control"};
const QStringList kSet{"set", "Device Control", "MAC Notify Interval=7"};
const QStringList kLeds{"leds"};

TEST_F(CredentialsNotShownCli, SilentAgent)
{
    const int silent = 1; // nothing listens on UDP port 1 of the loopback
    for (const QStringList &action : {kShow, kSet, kLeds})
        expectNoSecretIn(run(silent, v2c(), action), qPrintable("v2c " + action.join(' ')));
    for (const QStringList &action : {kShow, kSet})
        expectNoSecretIn(run(silent, v3(TestAgents::md5User, kAuthPhrase, kPrivPhrase), action),
                         qPrintable("v3 " + action.join(' ')));
}

TEST_F(CredentialsNotShownCli, RefusingAgent)
{
    if (simulatorPort() == 0)
        GTEST_SKIP() << "the simulator is not running";
    // Unknown communities are dropped; a known user with the wrong pass phrases
    // is answered with a report; an unknown user likewise.
    for (const QStringList &action : {kShow, kSet, kLeds})
        expectNoSecretIn(run(simulatorPort(), v2c(), action), qPrintable("v2c " + action.join(' ')));
    for (const QStringList &action : {kShow, kSet}) {
        expectNoSecretIn(run(simulatorPort(), v3(TestAgents::md5User, kAuthPhrase, kPrivPhrase), action),
                         qPrintable("v3 wrong phrases " + action.join(' ')));
        expectNoSecretIn(run(simulatorPort(), v3("nobody-here", kAuthPhrase, kPrivPhrase), action),
                         qPrintable("v3 unknown user " + action.join(' ')));
        expectNoSecretIn(run(simulatorPort(), v3(TestAgents::sha512User, kAuthPhrase, kPrivPhrase, 7, 5), action),
                         qPrintable("v3 SHA-512 AES-256 wrong phrases " + action.join(' ')));
        expectNoSecretIn(run(simulatorPort(), v3(TestAgents::sha256User, kAuthPhrase, kPrivPhrase, 8, 3), action),
                         qPrintable("v3 unknown protocol " + action.join(' ')));
    }
}

TEST_F(CredentialsNotShownCli, PassPhrasesTheLibraryRejects)
{
    // Shorter than the eight characters USM needs: refused before anything is sent.
    const QString shortAuth = QStringLiteral("S3cr3t");
    expectNoSecretIn(run(1, v3(TestAgents::md5User, shortAuth, kPrivPhrase), kShow), "short auth phrase");
    expectNoSecretIn(run(1, v3(TestAgents::md5User, kAuthPhrase, shortAuth), kShow), "short priv phrase");
}

} // namespace
