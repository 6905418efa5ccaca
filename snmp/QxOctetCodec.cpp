#include "snmp/QxOctetCodec.h"

#include "snmp/QxDateTime.h"
#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxHexText.h"
#include "snmp/QxNumberText.h"
#include "snmp/QxOidText.h"
#include "snmp/QxOptionList.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxTimeTicks.h"
#include "snmp/QxValueCodec.h"

#include <QStringList>
#include <QtEndian>

using namespace QxSyntax;

namespace {

constexpr int kBadValue = -518;

QByteArray le32(quint32 v)
{
    QByteArray o(4, '\0');
    qToLittleEndian<quint32>(v, o.data());
    return o;
}

QByteArray be16(quint16 v)
{
    QByteArray o(2, '\0');
    qToBigEndian<quint16>(v, o.data());
    return o;
}

qint32 checkedRange(const QString &text, qint64 low, qint64 high)
{
    bool negative = false;
    quint64 magnitude = 0;
    if (!QxNumberText::leading(text, negative, magnitude) || magnitude > quint64(1) << 32)
        QxSNMPException::raiseFramework(kBadValue);
    const qint64 v = negative ? -qint64(magnitude) : qint64(magnitude);
    if (v < low || v > high)
        QxSNMPException::raiseFramework(kBadValue);
    return qint32(v);
}

bool isTrue(const QString &text)
{
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

quint32 u32(const QByteArray &o, int at = 0)
{
    return qFromLittleEndian<quint32>(o.constData() + at);
}

quint16 u16be(const QByteArray &o)
{
    return qFromBigEndian<quint16>(o.constData());
}

int minimumSize(quint32 syntax)
{
    switch (syntax) {
    case boolean: case integer: case ipaddress: case nsapaddr: case counter: case guage: case uinteger:
    case timeticks:
        return 4;
    case counter64: case double_: case bcdatetime:
        return 8;
    case macaddress:
        return 6;
    case datetime:
        return 11;
    case ipv6address:
        return 16;
    case bool16: case int16: case uint16:
        return 2;
    case bool8: case int8: case uint8:
        return 1;
    default:
        return 0;
    }
}

} // namespace

int QxOctetCodec::partSize(quint32 syntax)
{
    switch (syntax) {
    case bitstr: case octetstr: case objectid: case opaque: case displaystr:
        return -1;
    case null:
        return 0;
    default: {
        const int n = minimumSize(syntax);
        if (n == 0)
            QxSNMPException::raiseFramework(-511);
        return n;
    }
    }
}

QByteArray QxOctetCodec::textToOctets(const QString &text, quint32 syntax)
{
    if (!QxValueCodec::isValueSyntax(syntax) && !(syntax >= bool8 && syntax <= uint16))
        QxSNMPException::raiseFramework(-511);
    if (syntax == null || text == QxValueCodec::nullText())
        return QByteArray();
    switch (syntax) {
    case boolean:
        return le32(isTrue(text) ? 1 : 0);
    case integer:
        return le32(quint32(QxNumberText::toInt32(text)));
    case counter:
    case guage:
    case uinteger:
        return le32(QxNumberText::toUInt32(text));
    case timeticks: {
        const quint64 ticks = QxTimeTicks::fromText(text);
        if (ticks > 0xFFFFFFFFull)
            QxSNMPException::raiseFramework(kBadValue);
        return le32(quint32(ticks));
    }
    case counter64: {
        const quint64 v = QxNumberText::toUInt64(text);
        return le32(quint32(v & 0xFFFFFFFFull)) + le32(quint32(v >> 32));
    }
    case double_:
        return QxDateTimeDouble::toOctets(QxNumberText::toReal(text));
    case bcdatetime:
        return QxDateTimeDouble::toOctets(QxDateTimeDouble::fromText(text));
    case objectid: {
        QList<quint32> arcs;
        if (!QxOidText::parse(text.trimmed(), arcs))
            QxSNMPException::raiseFramework(kBadValue);
        QByteArray o;
        for (quint32 a : arcs)
            o += le32(a);
        return o;
    }
    case ipaddress:
    case nsapaddr: {
        QByteArray o;
        for (const QString &part : text.trimmed().split(QLatin1Char('.')))
            o.append(char(checkedRange(part, 0, 255)));
        return o;
    }
    case bitstr:
    case octetstr:
    case opaque:
    case macaddress:
    case ipv6address:
        return QxHexText::toOctets(text);
    case datetime:
        return QxDateTime::fromText(text).toOctets();
    case displaystr:
        return text.toLatin1();
    case bool8:
        return QByteArray(1, isTrue(text) ? '\1' : '\0');
    case int8:
        return QByteArray(1, char(checkedRange(text, -128, 127)));
    case uint8:
        return QByteArray(1, char(checkedRange(text, 0, 255)));
    case bool16:
        return be16(isTrue(text) ? 1 : 0);
    case int16:
        return be16(quint16(checkedRange(text, -32768, 32767)));
    case uint16:
        return be16(quint16(checkedRange(text, 0, 65535)));
    default:
        QxSNMPException::raiseFramework(-511);
    }
}

QString QxOctetCodec::octetsToText(const QByteArray &o, quint32 syntax)
{
    if (!QxValueCodec::isValueSyntax(syntax) && !(syntax >= bool8 && syntax <= uint16))
        QxSNMPException::raiseFramework(-511);
    if (o.isEmpty())
        return syntax == displaystr ? QString() : QxValueCodec::nullText();
    if (o.size() < minimumSize(syntax))
        QxSNMPException::raiseFramework(kBadValue);
    switch (syntax) {
    case boolean:
        return QString::fromLatin1(u32(o) != 0 ? "true" : "false");
    case integer:
        return QString::number(qint32(u32(o)));
    case counter:
    case guage:
    case uinteger:
        return QString::number(u32(o));
    case timeticks:
        return QxTimeTicks::toText(u32(o));
    case counter64:
        return QString::number(quint64(u32(o, 4)) << 32 | u32(o, 0));
    case double_: {
        double d = 0;
        QxDateTimeDouble::fromOctets(o, d);
        return QxNumberText::realText(d);
    }
    case bcdatetime: {
        double d = 0;
        QxDateTimeDouble::fromOctets(o, d);
        return QxDateTimeDouble::toText(d);
    }
    case objectid: {
        QList<quint32> arcs;
        for (int at = 0; at + 4 <= o.size(); at += 4)
            arcs.append(u32(o, at));
        return arcs.isEmpty() ? QxValueCodec::nullText() : QxOidText::toText(arcs);
    }
    case ipaddress:
    case nsapaddr:
        return QxValueCodec::toText(QxSNMPValue::bytes(QxSNMPValue::IpAddress, o.left(4)), ipaddress);
    case bitstr:
    case octetstr:
    case opaque:
    case macaddress:
    case ipv6address:
        return QxHexText::fromOctets(o);
    case datetime: {
        QxDateTime dt;
        dt.setOctets(o);
        return dt.toText();
    }
    case displaystr:
        return QString::fromLatin1(o);
    case null:
        return QxValueCodec::nullText();
    case bool8:
        return QString::fromLatin1(o[0] != 0 ? "true" : "false");
    case int8:
        return QString::number(qint8(o[0]));
    case uint8:
        return QString::number(quint8(o[0]));
    case bool16:
        return QString::fromLatin1(u16be(o) != 0 ? "true" : "false");
    case int16:
        return QString::number(qint16(u16be(o)));
    case uint16:
        return QString::number(u16be(o));
    default:
        QxSNMPException::raiseFramework(-511);
    }
}

QByteArray QxOctetCodec::extractPart(const QByteArray &octets, int offset, quint32 syntax)
{
    const int size = partSize(syntax);
    if (octets.isEmpty() || size == 0)
        return QByteArray();
    if (offset < 0 || offset > octets.size() || (size > 0 && octets.size() - offset < size))
        QxSNMPException::raiseFramework(-519);
    return size < 0 ? octets.mid(offset) : octets.mid(offset, size);
}

QByteArray QxOctetCodec::textToOctets(const QString &text, quint32 syntax, const QxOptionList *options)
{
    return textToOctets(options ? options->textToValue(text) : text, syntax);
}

QString QxOctetCodec::octetsToText(const QByteArray &octets, quint32 syntax, const QxOptionList *options)
{
    const QString text = octetsToText(octets, syntax);
    return options ? options->valueToText(text) : text;
}
