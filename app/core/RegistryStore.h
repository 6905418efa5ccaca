#pragma once

#include <QString>
#include <optional>

// Stand-in for the three registry values that the host suite writes: an INI file
// whose sections are the key paths and whose keys are the value names, e.g.
//   [SOFTWARE\Brannoc\Stellan5.1\ExePath]
//   Path=/opt/stellan/bin/
// A missing file, key or value reads as missing.
class RegistryStore
{
public:
    static constexpr const char *HelpPathKey = "\\SOFTWARE\\Brannoc\\Modules\\HelpPath";
    static constexpr const char *ExePathKey = "\\SOFTWARE\\Brannoc\\Stellan5.1\\ExePath";
    static constexpr const char *MibFileKey = "\\SOFTWARE\\Brannoc\\Stellan5.1\\MibFile";

    // $NX2400P_REGISTRY, else $XDG_CONFIG_HOME/Brannoc/registry.ini (XDG_CONFIG_HOME
    // defaulting to ~/.config), else /etc/Brannoc/registry.ini: the first that is set
    // or exists.
    static QString defaultLocation();

    explicit RegistryStore(QString fileName);

    const QString &fileName() const { return m_fileName; }
    std::optional<QString> value(const QString &keyPath, const QString &valueName) const;

private:
    QString m_fileName;
};
