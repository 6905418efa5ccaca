#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The files a main window reads while it opens, written into a test's folder:
// the registry names the folder as the one holding the device settings files,
// and 127.0.0.1.cfg gives the agent's port and SNMP version.
namespace ModuleFolder {

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// version as the settings file counts it (0 = v1, 1 = v2c), with the
// security model that goes with it.
inline bool pointAt(const QString &dir, int port, int version)
{
    return writeFile(dir + "/registry.ini",
                     "[SOFTWARE\\Brannoc\\Stellan5.1\\MibFile]\nPath=" + dir.toLocal8Bit() + "/\n")
           && writeFile(dir + "/127.0.0.1.cfg",
                        "[Program Information]\nAgentPort=" + QByteArray::number(port)
                            + "\nVersion=" + QByteArray::number(version) + "\nSecurityModel="
                            + QByteArray::number(version + 1)
                            + "\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
}

} // namespace ModuleFolder
