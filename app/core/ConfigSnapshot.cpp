#include "app/core/ConfigSnapshot.h"

#include "snmp/QxOidText.h"
#include "snmp/QxSNMPSyntax.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

// A JSON string literal; QJsonDocument would sort keys and spread each value
// over several lines, the document keeps its own layout.
QByteArray quoted(const QString &text)
{
    QString out(QLatin1Char('"'));
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out.toUtf8();
}

QByteArray valueLine(const ConfigSnapshot::Value &v)
{
    return "{\"caption\": " + quoted(v.caption) + ", \"oid\": " + quoted(v.oid) + ", \"syntax\": " + quoted(v.syntax)
           + ", \"value\": " + (v.value ? quoted(*v.value) : QByteArray("null")) + '}';
}

bool isString(const QJsonObject &o, const char *name)
{
    return o.value(QLatin1String(name)).isString();
}

std::optional<ConfigSnapshot::Value> valueOf(const QJsonValue &json)
{
    const QJsonObject o = json.toObject();
    if (!json.isObject() || !isString(o, "caption") || !isString(o, "oid") || !isString(o, "syntax"))
        return std::nullopt;
    const QJsonValue value = o.value(QLatin1String("value"));
    if (!value.isString() && !value.isNull())
        return std::nullopt;
    ConfigSnapshot::Value v;
    v.caption = o.value(QLatin1String("caption")).toString();
    v.oid = o.value(QLatin1String("oid")).toString();
    v.syntax = o.value(QLatin1String("syntax")).toString();
    if (value.isString())
        v.value = value.toString();
    QList<quint32> arcs;
    if (!QxOidText::parse(v.oid, arcs))
        return std::nullopt;
    return v;
}

std::optional<ConfigSnapshot::Row> rowOf(const QJsonValue &json)
{
    const QJsonObject o = json.toObject();
    if (!json.isObject() || !isString(o, "key") || !o.value(QLatin1String("values")).isArray())
        return std::nullopt;
    ConfigSnapshot::Row row;
    row.key = o.value(QLatin1String("key")).toString();
    row.keyText = o.value(QLatin1String("keyText")).toString();
    QList<quint32> arcs;
    if (!row.key.isEmpty() && !QxOidText::parse(row.key, arcs))
        return std::nullopt;
    for (const QJsonValue &v : o.value(QLatin1String("values")).toArray()) {
        std::optional<ConfigSnapshot::Value> value = valueOf(v);
        if (!value)
            return std::nullopt;
        row.values.append(std::move(*value));
    }
    return row;
}

} // namespace

const ConfigSnapshot::Value *ConfigSnapshot::Row::value(const QString &caption) const
{
    for (const Value &v : values)
        if (v.caption == caption)
            return &v;
    return nullptr;
}

const ConfigSnapshot::Row *ConfigSnapshot::Command::row(const QString &key) const
{
    for (const Row &r : rows)
        if (r.key == key)
            return &r;
    return nullptr;
}

const ConfigSnapshot::Command *ConfigSnapshot::command(const QString &path) const
{
    for (const Command &c : commands)
        if (c.path == path)
            return &c;
    return nullptr;
}

void ConfigSnapshot::sort()
{
    for (Command &c : commands) {
        for (Row &r : c.rows)
            std::stable_sort(r.values.begin(), r.values.end(),
                             [](const Value &a, const Value &b) { return QxOidText::compare(a.oid, b.oid) < 0; });
        std::stable_sort(c.rows.begin(), c.rows.end(),
                         [](const Row &a, const Row &b) { return QxOidText::compare(a.key, b.key) < 0; });
    }
    std::stable_sort(commands.begin(), commands.end(), [](const Command &a, const Command &b) { return a.path < b.path; });
}

QByteArray ConfigSnapshot::toJson() const
{
    QByteArray out = "{\n  \"format\": " + quoted(QString::fromLatin1(FormatName)) + ",\n";
    out += "  \"switch\": {\"address\": " + quoted(device.address) + ", \"port\": " + QByteArray::number(device.port)
           + ", \"sysName\": " + quoted(device.sysName) + ", \"sysObjectID\": " + quoted(device.sysObjectId)
           + ", \"time\": " + quoted(device.time) + "},\n";
    out += "  \"commands\": [";
    for (qsizetype c = 0; c < commands.size(); ++c) {
        const Command &command = commands.at(c);
        out += c ? ",\n" : "\n";
        out += "    {\n      \"path\": " + quoted(command.path) + ",\n      \"rows\": [";
        for (qsizetype r = 0; r < command.rows.size(); ++r) {
            const Row &row = command.rows.at(r);
            out += r ? ",\n" : "\n";
            out += "        {\"key\": " + quoted(row.key);
            if (!row.keyText.isEmpty())
                out += ", \"keyText\": " + quoted(row.keyText);
            out += ", \"values\": [";
            for (qsizetype v = 0; v < row.values.size(); ++v)
                out += (v ? ",\n" : "\n") + QByteArray(10, ' ') + valueLine(row.values.at(v));
            out += row.values.isEmpty() ? "]}" : "\n        ]}";
        }
        out += command.rows.isEmpty() ? "]\n    }" : "\n      ]\n    }";
    }
    out += commands.isEmpty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::optional<ConfigSnapshot> ConfigSnapshot::fromJson(const QByteArray &text, QString *why)
{
    const auto fail = [why](const QString &reason) -> std::optional<ConfigSnapshot> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (document.isNull())
        return fail(QStringLiteral("not JSON (%1 at offset %2)").arg(error.errorString()).arg(error.offset));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(FormatName))
        return fail(QStringLiteral("not a snapshot (no \"format\": \"%1\")").arg(QLatin1String(FormatName)));
    ConfigSnapshot snapshot;
    const QJsonObject device = root.value(QLatin1String("switch")).toObject();
    snapshot.device.address = device.value(QLatin1String("address")).toString();
    const int port = device.value(QLatin1String("port")).toInt(161);
    snapshot.device.port = quint16(std::clamp(port, 0, 65535));
    snapshot.device.sysName = device.value(QLatin1String("sysName")).toString();
    snapshot.device.sysObjectId = device.value(QLatin1String("sysObjectID")).toString();
    snapshot.device.time = device.value(QLatin1String("time")).toString();
    if (!root.value(QLatin1String("commands")).isArray())
        return fail(QStringLiteral("the snapshot has no \"commands\""));
    for (const QJsonValue &c : root.value(QLatin1String("commands")).toArray()) {
        const QJsonObject o = c.toObject();
        if (!isString(o, "path") || !o.value(QLatin1String("rows")).isArray())
            return fail(QStringLiteral("a command without \"path\" or \"rows\""));
        Command command;
        command.path = o.value(QLatin1String("path")).toString();
        for (const QJsonValue &r : o.value(QLatin1String("rows")).toArray()) {
            std::optional<Row> row = rowOf(r);
            if (!row)
                return fail(QStringLiteral("a row of \"%1\" that is no row (key, values of caption, oid, syntax and value)")
                                .arg(command.path));
            command.rows.append(std::move(*row));
        }
        snapshot.commands.append(std::move(command));
    }
    snapshot.sort();
    return snapshot;
}

std::optional<ConfigSnapshot> ConfigSnapshot::fromFile(const QString &fileName, QString *why)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    QString reason;
    std::optional<ConfigSnapshot> snapshot = fromJson(file.readAll(), &reason);
    if (!snapshot && why)
        *why = fileName + QStringLiteral(": ") + reason;
    return snapshot;
}

QString ConfigSnapshot::syntaxName(quint32 syntax)
{
    switch (syntax) {
    case QxSyntax::boolean: return QStringLiteral("boolean");
    case QxSyntax::integer: return QStringLiteral("integer");
    case QxSyntax::bitstr: return QStringLiteral("bitstr");
    case QxSyntax::octetstr: return QStringLiteral("octetstr");
    case QxSyntax::null: return QStringLiteral("null");
    case QxSyntax::objectid: return QStringLiteral("objectid");
    case QxSyntax::ipaddress: return QStringLiteral("ipaddress");
    case QxSyntax::counter: return QStringLiteral("counter");
    case QxSyntax::guage: return QStringLiteral("gauge");
    case QxSyntax::timeticks: return QStringLiteral("timeticks");
    case QxSyntax::opaque: return QStringLiteral("opaque");
    case QxSyntax::nsapaddr: return QStringLiteral("nsapaddr");
    case QxSyntax::counter64: return QStringLiteral("counter64");
    case QxSyntax::uinteger: return QStringLiteral("uinteger");
    case QxSyntax::double_: return QStringLiteral("double");
    case QxSyntax::macaddress: return QStringLiteral("macaddress");
    case QxSyntax::datetime: return QStringLiteral("datetime");
    case QxSyntax::bcdatetime: return QStringLiteral("bcdatetime");
    case QxSyntax::displaystr: return QStringLiteral("displaystr");
    case QxSyntax::ipv6address: return QStringLiteral("ipv6address");
    case QxSyntax::bool8: return QStringLiteral("bool8");
    case QxSyntax::int8: return QStringLiteral("int8");
    case QxSyntax::uint8: return QStringLiteral("uint8");
    case QxSyntax::bool16: return QStringLiteral("bool16");
    case QxSyntax::int16: return QStringLiteral("int16");
    case QxSyntax::uint16: return QStringLiteral("uint16");
    }
    return QString::number(syntax);
}
