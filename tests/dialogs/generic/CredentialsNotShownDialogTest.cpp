// A generic dialog whose reads and writes fail must not show the community
// strings or SNMPv3 pass phrases anywhere: not in its status memo, not in a
// message box, not in its captions, not in Qt's log or on stderr.
#include "common/MessageRecorder.h"
#include "common/TestAgents.h"
#include "common/TestSupport.h"

#include "binding/QxSNMPRequest2Edits.h"
#include "dialogs/generic/Guiconfigform.h"
#include "snmp/QxSNMPSession.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

using TestSupport::waitUntil;

const QString kMarker = QStringLiteral("S3cr3t");

constexpr QxSNMPVarItem kOneWritable[] = {
    {"EnterpriseBase.11.63.7.2.1.1.2", "Port Count", QxSyntax::integer, QxAccess::readonly},
    {"EnterpriseBase.11.63.7.2.1.2.20", "Timeout", QxSyntax::integer, QxAccess::readwrite},
    {},
};

QStringList g_log;
void collect(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_log << text;
}

// Sends stderr (where net-snmp reports) into a file for the lifetime of the object.
class StderrCapture
{
public:
    explicit StderrCapture(const QString &fileName) : m_fileName(fileName)
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        if (std::FILE *f = std::fopen(qPrintable(fileName), "w")) {
            dup2(fileno(f), STDERR_FILENO);
            std::fclose(f);
        }
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        QFile file(m_fileName);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    QString m_fileName;
    int m_saved = -1;
};

class CredentialsNotShownDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initializeSession(dir.path());
        savedSecurity = defaultSecurity;
        savedDevice = defaultDevice;
        savedTimeout = defaultTimeout;
        defaultDevice.address = TestAgents::host;
        defaultTimeout = 30;
    }
    void TearDown() override
    {
        defaultSecurity = savedSecurity;
        defaultDevice = savedDevice;
        defaultTimeout = savedTimeout;
    }

    // Opens a dialog on the agent, lets its first refresh fail, then writes;
    // returns every text the user or a log could have seen.
    QString runDialog(quint16 port, const char *scenario)
    {
        defaultDevice.port = port;
        QStringList seen;
        MessageRecorder boxes;
        g_log.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        StderrCapture err(dir.filePath("stderr.txt"));
        {
            TConfigForm form(nullptr);
            form.setMessages(boxes.messages());
            auto controller = std::make_unique<QxSNMPRequest2Edits>(&form);
            QxSNMPRequest2Edits *c = controller.get();
            c->varList() = QxSNMPVarList(kOneWritable, SVT_SV, 0);
            c->varList().setListName("Switch Timeouts");
            bool readDone = false;
            QObject::connect(c, &QxSNMPRequest2Controls::readDone,
                             [&](QxSNMPRequest2Controls *, const QxSNMPError &) { readDone = true; });
            TSNMPEditorPanel *page = form.CreateEditorPanel(std::move(controller));
            form.show();
            EXPECT_TRUE(waitUntil([&] { return readDone; }, 20000)) << scenario << ": the first refresh did not end";
            page->editsPanel()->edit(1)->setText("7");
            if (page->ctrlBtnPanel()->setCheckedButton()->isEnabled()) {
                page->ctrlBtnPanel()->setCheckedButton()->click();
                waitUntil([&] { return !c->busy(); }, 20000);
            }
            seen << page->msgPanel()->memo()->toPlainText() << form.windowTitle();
            for (const QLabel *label : form.findChildren<QLabel *>())
                seen << label->text();
            for (const QAbstractButton *button : form.findChildren<QAbstractButton *>())
                seen << button->text();
        }
        qInstallMessageHandler(previous);
        seen << boxes.shown << g_log << err.text();
        return seen.join('\n');
    }

    void expectNoSecret(quint16 port, const char *scenario)
    {
        const QString seen = runDialog(port, scenario);
        EXPECT_FALSE(seen.contains(kMarker)) << scenario << ":\n" << seen.toStdString();
        EXPECT_TRUE(seen.contains("timed out") || seen.contains("uthentic") || seen.contains("nknown"))
            << scenario << ": the failure was not shown:\n"
            << seen.toStdString();
    }

    static void v2c()
    {
        defaultSecurity = QxSNMPSecurity();
        defaultSecurity.version = QxSNMPSecurity::V2c;
        defaultSecurity.readCommunity = "rd-S3cr3t-community";
        defaultSecurity.writeCommunity = "wr-S3cr3t-community";
    }
    static void v3(const char *user)
    {
        defaultSecurity = QxSNMPSecurity();
        defaultSecurity.version = QxSNMPSecurity::V3;
        defaultSecurity.securityModel = 3;
        defaultSecurity.securityName = user;
        defaultSecurity.securityLevel = QxSNMPSecurity::AuthPriv;
        defaultSecurity.authProtocol = QxSNMPSecurity::AuthMD5;
        defaultSecurity.privProtocol = QxSNMPSecurity::PrivDES;
        defaultSecurity.authPassword = "auth-S3cr3t-phrase";
        defaultSecurity.privPassword = "priv-S3cr3t-phrase";
    }

    QTemporaryDir dir;
    QxSNMPSecurity savedSecurity;
    QxSNMPDevice savedDevice;
    int savedTimeout = 0;
};

TEST_F(CredentialsNotShownDialog, SilentAgent)
{
    v2c();
    expectNoSecret(1, "v2c, nothing listening");
    v3(TestAgents::md5User);
    expectNoSecret(1, "v3, nothing listening");
}

TEST_F(CredentialsNotShownDialog, RefusingAgent)
{
    if (simulatorPort() == 0)
        GTEST_SKIP() << "the simulator is not running";
    v2c();
    expectNoSecret(quint16(simulatorPort()), "v2c, unknown communities");
    v3(TestAgents::md5User);
    expectNoSecret(quint16(simulatorPort()), "v3, wrong pass phrases");
    v3("nobody-here");
    expectNoSecret(quint16(simulatorPort()), "v3, unknown user");
}

} // namespace
