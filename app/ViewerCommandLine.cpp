#include "app/ViewerCommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

ViewerCommandLine::ViewerCommandLine(const QString &topicSwitch, const LaunchTexts &launch)
{
    const qsizetype underscore = topicSwitch.indexOf(QLatin1Char('_'));
    m_program = topicSwitch.mid(2, underscore < 0 ? -1 : underscore - 2);
    m_arguments << QStringLiteral("/I") + launch.address;
    if (launch.version == QLatin1String("3")) {
        m_arguments << QStringLiteral("/t") + launch.port << QStringLiteral("/v") + launch.version
                    << QStringLiteral("/d") + launch.contextEngineId << QStringLiteral("/m") + launch.securityModel
                    << QStringLiteral("/n") + launch.securityName << QStringLiteral("/l") + launch.securityLevel
                    << QStringLiteral("/a") + launch.authProtocol << QStringLiteral("/p") + launch.privProtocol
                    << QStringLiteral("/A") + launch.authPassword << QStringLiteral("/P") + launch.privPassword
                    << QStringLiteral("/c") + launch.contextName;
    } else {
        m_arguments << QStringLiteral("/R") + launch.readCommunity << QStringLiteral("/W") + launch.writeCommunity;
    }
    m_arguments << topicSwitch;
}

QString ViewerCommandLine::text() const
{
    return m_program + QLatin1Char(' ') + m_arguments.join(QLatin1Char(' ')) + QLatin1Char(' ');
}

void ViewerCommandLine::start() const
{
    const QString local = QCoreApplication::applicationDirPath() + QLatin1Char('/') + m_program;
    const QString program = QFileInfo(local).isExecutable() ? local : m_program;
    QProcess::startDetached(program, m_arguments);
}
