#include "app/core/ModuleStartup.h"

#include "EnterpriseBase.h"
#include "app/core/LaunchParameters.h"
#include "app/core/RegistryStore.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxSNMPSession.h"

ModuleStartup::Result ModuleStartup::run(const QStringList &parameters, const RegistryStore &registry,
                                         const QString &bootCounterDirectory, const Overrides &overrides)
{
    Result result;
    initializeSession(bootCounterDirectory);
    defaultSecurity.version = QxSNMPSecurity::V1;

    result.moduleFolder = moduleFolder(registry);
    QxMessageCatalogue::instance().loadAll(result.moduleFolder);
    result.settingsFolder = settingsFolder(registry);

    result.launch.device = defaultDevice;
    result.launch.scope = defaultScope;
    result.launch.security = defaultSecurity;
    if (parameters.isEmpty()) {
        result.noParameters = true;
        return result;
    }
    LaunchParameters::apply(parameters, result.settingsFolder, result.launch);
    if (overrides.port)
        result.launch.device.port = *overrides.port;
    defaultDevice = result.launch.device;
    defaultScope = result.launch.scope;
    defaultSecurity = result.launch.security;
    if (overrides.timeout)
        defaultTimeout = *overrides.timeout;
    defaultMaxRepetitions = overrides.maxRepetitions.value_or(result.launch.maxRepetitions);
    return result;
}

QString ModuleStartup::moduleFolder(const RegistryStore &registry)
{
    const QString sysObjectId = QString::fromLatin1(EnterpriseBase) + QStringLiteral(".10.63.7");
    const QString helpPath = registry.value(QString::fromLatin1(RegistryStore::HelpPathKey), sysObjectId).value_or(QString());
    // The value is the module's full file name; what precedes the file name is the folder.
    const qsizetype nameLength = qsizetype(qstrlen(ModuleFileName));
    return helpPath.size() > nameLength ? helpPath.left(helpPath.size() - nameLength) : QString();
}

QString ModuleStartup::settingsFolder(const RegistryStore &registry)
{
    QString folder;
    if (const auto exePath = registry.value(QString::fromLatin1(RegistryStore::ExePathKey), QStringLiteral("Path")))
        folder = *exePath + QStringLiteral("../Conf/MBF/");
    if (const auto mibFile = registry.value(QString::fromLatin1(RegistryStore::MibFileKey), QStringLiteral("Path")))
        folder = *mibFile;
    return folder;
}
