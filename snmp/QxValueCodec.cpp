#include "snmp/QxValueCodec.h"

#include "snmp/QxDateTime.h"
#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxHexText.h"
#include "snmp/QxMessageCatalogue.h"
#include "snmp/QxNumberText.h"
#include "snmp/QxOidText.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxTimeTicks.h"


using namespace QxSyntax;

namespace {

QString unsignedText(const QxSNMPValue &v)
{
    if (v.type == QxSNMPValue::Counter64)
        return QString::number(v.number);
    return QString::number(quint32(v.number));
}

QString ipText(const QByteArray &o)
{
    return QStringLiteral("%1.%2.%3.%4").arg(quint8(o[0])).arg(quint8(o[1])).arg(quint8(o[2])).arg(quint8(o[3]));
}

QByteArray parseIp(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        QxSNMPException::raiseFramework(-518);
    QByteArray o;
    for (const QString &p : parts) {
        bool ok = false;
        const uint v = p.toUInt(&ok);
        if (!ok || v > 255)
            QxSNMPException::raiseFramework(-518);
        o.append(char(v));
    }
    return o;
}

// What a write sends comes from the program or the user, never from an
// agent: a number is a whole number and nothing else (blanks around it
// aside), or it is refused with the number message and the type's bounds;
// it is never sent as its leading digits or as 0.
QString wholeNumber(const QString &text, const QString &minimum, const QString &maximum)
{
    const QString t = text.trimmed();
    qsizetype i = !t.isEmpty() && (t[0] == QLatin1Char('+') || t[0] == QLatin1Char('-')) ? 1 : 0;
    bool digits = i < t.size();
    for (; i < t.size(); ++i)
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
            digits = false;
    if (!digits) {
        constexpr int NumberRangeEntry = 8;
        QString message = QxMessageCatalogue::instance().text(QxMessageCatalogue::Common, NumberRangeEntry);
        message = QxMessageCatalogue::fill(message, QStringLiteral("[MIN]"), minimum);
        message = QxMessageCatalogue::fill(message, QStringLiteral("[MAX]"), maximum);
        throw QxSNMPException(-NumberRangeEntry, message);
    }
    return t;
}

// Hexadecimal text of octets: hex digits only (blanks between them aside).
QByteArray hexOctets(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' '));
    if (!QxHexText::isDigits(digits))
        QxSNMPException::raiseFramework(-518);
    return QxHexText::toOctets(digits);
}

} // namespace

const QString &QxValueCodec::nullText()
{
    static const QString text = QStringLiteral("(NULL)");
    return text;
}

const QString &QxValueCodec::notDoneText()
{
    static const QString text = QStringLiteral("(NOTDONE)");
    return text;
}

bool QxValueCodec::isValueSyntax(quint32 syntax)
{
    switch (syntax) {
    case boolean: case integer: case bitstr: case octetstr: case null: case objectid: case ipaddress:
    case counter: case guage: case timeticks: case opaque: case nsapaddr: case counter64: case uinteger:
    case double_: case macaddress: case datetime: case bcdatetime: case displaystr: case ipv6address:
        return true;
    default:
        return false;
    }
}

QString QxValueCodec::toText(const QxSNMPValue &v, quint32 syntax)
{
    switch (syntax) {
    case boolean:
        return v.isNumeric() ? QString::fromLatin1(v.number != 0 ? "true" : "false") : nullText();
    case integer:
        if (!v.isNumeric())
            return nullText();
        if (v.type == QxSNMPValue::Integer)
            return QString::number(v.signedNumber());
        return unsignedText(v);
    case counter:
    case guage:
    case uinteger:
        if (!v.isNumeric())
            return nullText();
        return v.type == QxSNMPValue::Integer ? QString::number(quint32(v.number)) : unsignedText(v);
    case timeticks:
        return v.isNumeric() ? QxTimeTicks::toText(quint32(v.number)) : nullText();
    case counter64:
        if (!v.isNumeric())
            return nullText();
        return v.type == QxSNMPValue::Integer ? QString::number(v.signedNumber()) : QString::number(v.number);
    case bitstr:
    case octetstr:
    case opaque:
    case macaddress:
    case ipv6address:
        // Hex forms show whatever octets there are, none included.
        return v.isOctets() ? QxHexText::fromOctets(v.octets) : QString();
    case null:
        return nullText();
    case objectid:
        return v.type == QxSNMPValue::ObjectId && !v.arcs.isEmpty() ? QxOidText::toText(v.arcs) : nullText();
    case ipaddress:
    case nsapaddr:
        return v.isOctets() && v.octets.size() == 4 ? ipText(v.octets) : nullText();
    case double_: {
        double d = 0;
        if (!v.isOctets() || !QxDateTimeDouble::fromOctets(v.octets, d))
            return nullText();
        return QxNumberText::realText(d);
    }
    case datetime: {
        QxDateTime dt;
        if (!v.isOctets() || !dt.setOctets(v.octets))
            return nullText();
        return dt.toText();
    }
    case bcdatetime: {
        double d = 0;
        if (!v.isOctets() || !QxDateTimeDouble::fromOctets(v.octets, d))
            return nullText();
        return QxDateTimeDouble::toText(d);
    }
    case displaystr:
        return v.isOctets() ? QString::fromLatin1(v.octets) : QString();
    default:
        QxSNMPException::raiseFramework(-511);
    }
}

QxSNMPValue QxValueCodec::fromText(const QString &text, quint32 syntax)
{
    if (!isValueSyntax(syntax))
        QxSNMPException::raiseFramework(-511);
    if (text == nullText())
        return QxSNMPValue::null();
    switch (syntax) {
    case boolean:
        return QxSNMPValue::integer(text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ? 1 : 0);
    case null:
        return QxSNMPValue::null();
    case integer:
        return QxSNMPValue::integer(
            QxNumberText::toInt32(wholeNumber(text, QStringLiteral("-2147483648"), QStringLiteral("2147483647"))));
    case bitstr:
    case octetstr:
    case opaque:
    case macaddress:
    case ipv6address:
        return QxSNMPValue::bytes(QxSNMPValue::OctetString, hexOctets(text));
    case objectid: {
        QList<quint32> arcs;
        if (!QxOidText::parse(text.trimmed(), arcs) || arcs.size() < 2)
            QxSNMPException::raiseFramework(-518);
        return QxSNMPValue::objectId(arcs);
    }
    case ipaddress:
    case nsapaddr:
        return QxSNMPValue::bytes(QxSNMPValue::IpAddress, parseIp(text));
    case counter:
    case guage:
    case uinteger:
        return QxSNMPValue::unsignedValue(
            QxSNMPValue::Gauge32, QxNumberText::toUInt32(wholeNumber(text, QStringLiteral("0"), QStringLiteral("4294967295"))));
    case timeticks: {
        const quint64 ticks = QxTimeTicks::fromText(text);
        if (ticks > 0xFFFFFFFFull)
            QxSNMPException::raiseFramework(-518);
        return QxSNMPValue::unsignedValue(QxSNMPValue::TimeTicks, ticks);
    }
    case counter64:
        return QxSNMPValue::unsignedValue(
            QxSNMPValue::Counter64,
            QxNumberText::toUInt64(wholeNumber(text, QStringLiteral("0"), QStringLiteral("18446744073709551615"))));
    case double_: {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        if (!ok)
            QxSNMPException::raiseFramework(-518);
        return QxSNMPValue::bytes(QxSNMPValue::OctetString, QxDateTimeDouble::toOctets(value));
    }
    case datetime:
        return QxSNMPValue::bytes(QxSNMPValue::OctetString, QxDateTime::fromText(text).toOctets());
    case bcdatetime:
        return QxSNMPValue::bytes(QxSNMPValue::OctetString, QxDateTimeDouble::toOctets(QxDateTimeDouble::fromText(text)));
    case displaystr:
        return QxSNMPValue::bytes(QxSNMPValue::OctetString, text.toLatin1());
    default:
        QxSNMPException::raiseFramework(-511);
    }
}
