#include "app/cli/CliHostList.h"

#include "app/cli/CliError.h"

#include <QFile>
#include <QRegularExpression>

QList<CliHostList::Host> CliHostList::parse(const QString &text, const QString &fileName)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<Host> hosts;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        Host host;
        host.line = int(i + 1);
        const QString first = words.takeFirst();
        const auto bad = [&](const QString &why) {
            return CliError(QStringLiteral("%1:%2: %3").arg(fileName).arg(host.line).arg(why));
        };
        // An IPv6 address is written in brackets when a port follows: [::1]:16161.
        QString address = first;
        QString port;
        if (first.startsWith(QLatin1Char('['))) {
            const qsizetype close = first.indexOf(QLatin1Char(']'));
            if (close < 0)
                throw bad(QStringLiteral("\"%1\" has no closing bracket").arg(first));
            address = first.mid(1, close - 1);
            const QString rest = first.mid(close + 1);
            if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
                throw bad(QStringLiteral("\"%1\" is no address").arg(first));
            port = rest.mid(1);
            if (rest == QLatin1String(":"))
                throw bad(QStringLiteral("\"%1\" names no port").arg(first));
        } else if (first.count(QLatin1Char(':')) == 1) {
            address = first.section(QLatin1Char(':'), 0, 0);
            port = first.section(QLatin1Char(':'), 1);
            if (port.isEmpty())
                throw bad(QStringLiteral("\"%1\" names no port").arg(first));
        }
        if (address.isEmpty() || address.startsWith(QLatin1Char('/')))
            throw bad(QStringLiteral("the line starts with no address"));
        if (!port.isEmpty()) {
            bool ok = false;
            const uint value = port.toUInt(&ok);
            if (!ok || value < 1 || value > 65535)
                throw bad(QStringLiteral("\"%1\" is no port (1 to 65535)").arg(port));
            host.port = quint16(value);
        }
        host.address = address;
        host.parameters = words;
        hosts.append(host);
    }
    return hosts;
}

QList<CliHostList::Host> CliHostList::read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw CliError(QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString()));
    const QList<Host> hosts = parse(QString::fromUtf8(file.readAll()), fileName);
    if (hosts.isEmpty())
        throw CliError(QStringLiteral("%1 names no switch").arg(fileName));
    return hosts;
}
