#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The --hosts file: one switch a line, its address (optionally ":port") and
// then any launch parameters for it (/v1, /Rname, ...); "#" starts a comment,
// blank lines are skipped.
class CliHostList final
{
public:
    struct Host
    {
        QString address;
        std::optional<quint16> port;
        QStringList parameters;
        int line = 0;
    };

    // Raises CliError naming the line that is no host.
    static QList<Host> parse(const QString &text, const QString &fileName);
    static QList<Host> read(const QString &fileName);
};
