#include "app/core/RegistryStore.h"

#include "snmp/QxIni.h"

#include <QDir>
#include <QFileInfo>

QString RegistryStore::defaultLocation()
{
    const QString explicitFile = qEnvironmentVariable("NX2400P_REGISTRY");
    if (!explicitFile.isEmpty())
        return explicitFile;
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    const QString userFile = configHome + QStringLiteral("/Brannoc/registry.ini");
    if (QFileInfo::exists(userFile))
        return userFile;
    return QStringLiteral("/etc/Brannoc/registry.ini");
}

RegistryStore::RegistryStore(QString fileName) : m_fileName(std::move(fileName)) {}

std::optional<QString> RegistryStore::value(const QString &keyPath, const QString &valueName) const
{
    const QxIni ini(m_fileName);
    // Key paths may be written with or without the leading backslash.
    QString key = keyPath;
    while (key.startsWith(QLatin1Char('\\')))
        key.remove(0, 1);
    for (const QString &section : {key, QStringLiteral("\\") + key}) {
        if (ini.hasKey(section, valueName))
            return ini.read(section, valueName);
    }
    return std::nullopt;
}
