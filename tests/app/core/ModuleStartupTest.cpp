#include "EnterpriseBase.h"
#include "app/core/IntegerText.h"
#include "app/core/ModuleStartup.h"
#include "app/core/RegistryStore.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxSNMPSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ModuleStartupTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;

    void SetUp() override { QxMessageCatalogue::instance().reset(); }
    void TearDown() override { QxMessageCatalogue::instance().reset(); }

    QString write(const QString &name, const QByteArray &content)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }

    RegistryStore registry(const QByteArray &content) { return RegistryStore(write("registry.ini", content)); }
};

TEST_F(ModuleStartupTest, RegistryValuesAreFoundByKeyPathAndValueName)
{
    const RegistryStore store = registry("[SOFTWARE\\Brannoc\\Stellan5.1\\ExePath]\npath=/opt/stellan/bin/\n"
                                         "[\\SOFTWARE\\Brannoc\\Stellan5.1\\MibFile]\nOther=1\n");
    EXPECT_EQ(store.value(RegistryStore::ExePathKey, "Path").value_or("-"), "/opt/stellan/bin/");
    EXPECT_FALSE(store.value(RegistryStore::MibFileKey, "Path").has_value());
    EXPECT_FALSE(store.value(RegistryStore::HelpPathKey, "x").has_value());
    EXPECT_FALSE(RegistryStore("/nonexistent/registry.ini").value(RegistryStore::ExePathKey, "Path").has_value());
}

TEST_F(ModuleStartupTest, RegistryLocationFollowsTheEnvironment)
{
    qputenv("NX2400P_REGISTRY", "/x/reg.ini");
    EXPECT_EQ(RegistryStore::defaultLocation(), "/x/reg.ini");
    qunsetenv("NX2400P_REGISTRY");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(RegistryStore::defaultLocation(), "/etc/Brannoc/registry.ini");
    write("Brannoc/registry.ini", "");
    EXPECT_EQ(RegistryStore::defaultLocation(), dir.filePath("Brannoc/registry.ini"));
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(ModuleStartupTest, FoldersComeFromHelpPathExePathAndMibFile)
{
    const QByteArray helpKey = "[SOFTWARE\\Brannoc\\Modules\\HelpPath]\n" + QByteArray(EnterpriseBase) + ".10.63.7=";
    EXPECT_EQ(ModuleStartup::moduleFolder(registry(helpKey + "/opt/modules/nx2400p\n")), "/opt/modules/");
    // A value no longer than the module's file name leaves no folder.
    EXPECT_EQ(ModuleStartup::moduleFolder(registry(helpKey + "short\n")), "");
    EXPECT_EQ(ModuleStartup::moduleFolder(registry("")), "");

    EXPECT_EQ(ModuleStartup::settingsFolder(registry("[SOFTWARE\\Brannoc\\Stellan5.1\\ExePath]\nPath=/s/bin/\n")),
              "/s/bin/../Conf/MBF/");
    EXPECT_EQ(ModuleStartup::settingsFolder(registry("[SOFTWARE\\Brannoc\\Stellan5.1\\ExePath]\nPath=/s/bin/\n"
                                                     "[SOFTWARE\\Brannoc\\Stellan5.1\\MibFile]\nPath=/m/\n")),
              "/m/");
    EXPECT_EQ(ModuleStartup::settingsFolder(registry("")), "");
}

TEST_F(ModuleStartupTest, RunLoadsCataloguesAndFillsTheDefaults)
{
    write("modules/errmsg/qxsnmp.err", "Alles gut\n");
    write("conf/10.9.9.9.cfg", "[Program Information]\nAgentPort=16161\nVersion=1\nSecurityModel=2\n"
                               "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    const RegistryStore store = registry("[SOFTWARE\\Brannoc\\Modules\\HelpPath]\n" + QByteArray(EnterpriseBase)
                                         + ".10.63.7=" + dir.filePath("modules/nx2400p").toLocal8Bit() + "\n"
                                         "[SOFTWARE\\Brannoc\\Stellan5.1\\MibFile]\nPath="
                                         + dir.filePath("conf/").toLocal8Bit() + "\n");
    const auto result = ModuleStartup::run({"/I10.9.9.9", "/Rro", "/Wrw"}, store, dir.path());
    EXPECT_FALSE(result.noParameters);
    EXPECT_EQ(QxMessageCatalogue::instance().frameworkText(0), "Alles gut");
    EXPECT_EQ(defaultDevice.address, "10.9.9.9");
    EXPECT_EQ(defaultDevice.port, 16161);
    EXPECT_EQ(defaultSecurity.version, 1);
    EXPECT_EQ(defaultSecurity.readCommunity, "ro");
    EXPECT_EQ(defaultSecurity.writeCommunity, "rw");
    EXPECT_EQ(result.launch.texts.port, "16161");
}

TEST_F(ModuleStartupTest, NoParametersIsReportedAndLeavesTheDefaults)
{
    const auto result = ModuleStartup::run({}, registry(""), dir.path());
    EXPECT_TRUE(result.noParameters);
    EXPECT_EQ(defaultDevice.address, "127.0.0.1");
    EXPECT_EQ(defaultSecurity.version, 0);
}

TEST_F(ModuleStartupTest, ConversionErrorsEscapeTheStartUp)
{
    EXPECT_THROW(ModuleStartup::run({"/I1.1.1.1", "/vthree"}, registry(""), dir.path()), IntegerText::Error);
}

} // namespace
