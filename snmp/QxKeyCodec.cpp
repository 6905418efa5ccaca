#include "snmp/QxKeyCodec.h"

#include "snmp/QxDateTime.h"
#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxHexText.h"
#include "snmp/QxNumberText.h"
#include "snmp/QxOidText.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxTimeTicks.h"
#include "snmp/QxValueCodec.h"

#include <cstring>

using namespace QxSyntax;

namespace {

constexpr int kBadKeyCount = -514;
constexpr int kBadValue = -518;

void appendArc(QString &out, quint64 v)
{
    if (!out.isEmpty())
        out += QLatin1Char('.');
    out += QString::number(v);
}

QString octetArcs(const QByteArray &octets, bool withLength)
{
    QString out;
    if (withLength)
        appendArc(out, quint64(octets.size()));
    for (char c : octets)
        appendArc(out, quint8(c));
    return out;
}

quint64 doubleBits(double d)
{
    quint64 bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

// The instance's sub-identifiers, consumed from the front.
class ArcReader
{
public:
    explicit ArcReader(const QString &instance) : m_text(instance) { count(); }
    qsizetype remaining() const { return m_remaining; }
    void need(qsizetype n) const
    {
        if (n < 0 || m_remaining < n)
            QxSNMPException::raiseFramework(kBadKeyCount);
    }
    quint32 next()
    {
        need(1);
        quint64 v = 0;
        const qsizetype start = m_pos;
        for (; m_pos < m_text.size() && m_text[m_pos] != QLatin1Char('.'); ++m_pos) {
            const char16_t c = m_text[m_pos].unicode();
            if (c < '0' || c > '9' || v > 0xFFFFFFFFull)
                QxSNMPException::raiseFramework(kBadKeyCount);
            v = v * 10 + (c - '0');
        }
        if (m_pos == start || v > 0xFFFFFFFFull)
            QxSNMPException::raiseFramework(kBadKeyCount);
        if (m_pos < m_text.size())
            ++m_pos;
        --m_remaining;
        return quint32(v);
    }
    QByteArray octets(qsizetype n)
    {
        need(n);
        QByteArray out;
        out.reserve(n);
        for (qsizetype i = 0; i < n; ++i) {
            const quint32 v = next();
            if (v > 255)
                QxSNMPException::raiseFramework(kBadValue);
            out.append(char(v));
        }
        return out;
    }
    QString rest() const { return m_remaining > 0 ? m_text.mid(m_pos) : QString(); }

private:
    void count()
    {
        m_remaining = m_text.isEmpty() ? 0 : m_text.count(QLatin1Char('.')) + 1;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    qsizetype m_remaining = 0;
};

QByteArray fixedOctets(const QString &hex, int size)
{
    const QByteArray octets = QxHexText::toOctets(hex);
    if (octets.size() < size)
        QxSNMPException::raiseFramework(kBadKeyCount);
    return octets.left(size);
}

} // namespace

QString QxKeyCodec::encode(const QString &text, quint32 syntax, bool lastImplied)
{
    QString out;
    switch (syntax) {
    case boolean:
        return QString::fromLatin1(text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ? "1" : "0");
    case integer:
        return QString::number(quint32(QxNumberText::toInt32(text)));
    case counter:
    case guage:
    case uinteger:
        return QString::number(QxNumberText::toUInt32(text));
    case bitstr:
    case octetstr:
    case opaque:
        return octetArcs(QxHexText::toOctets(text), !lastImplied);
    case null:
        return QString();
    case objectid: {
        QList<quint32> arcs;
        if (!QxOidText::parse(text.trimmed(), arcs))
            QxSNMPException::raiseFramework(kBadValue);
        if (!lastImplied)
            appendArc(out, quint64(arcs.size()));
        for (quint32 a : arcs)
            appendArc(out, a);
        return out;
    }
    case ipaddress:
    case nsapaddr:
        return octetArcs(QxValueCodec::fromText(text, ipaddress).octets, false);
    case timeticks: {
        const quint64 ticks = QxTimeTicks::fromText(text);
        if (ticks > 0xFFFFFFFFull)
            QxSNMPException::raiseFramework(kBadValue);
        return QString::number(ticks);
    }
    case counter64: {
        const quint64 v = QxNumberText::toUInt64(text);
        appendArc(out, v >> 32);
        appendArc(out, v & 0xFFFFFFFFull);
        return out;
    }
    case double_:
    case bcdatetime: {
        const double d = syntax == double_ ? QxNumberText::toReal(text) : QxDateTimeDouble::fromText(text);
        const quint64 bits = doubleBits(d);
        appendArc(out, bits & 0xFFFFFFFFull);
        appendArc(out, bits >> 32);
        return out;
    }
    case macaddress:
        return octetArcs(fixedOctets(text, 6), false);
    case ipv6address:
        return octetArcs(fixedOctets(text, 16), false);
    case datetime:
        return octetArcs(QxDateTime::fromText(text).toOctets(), false);
    case displaystr:
        return octetArcs(text.toLatin1(), !lastImplied);
    default:
        QxSNMPException::raiseFramework(-511);
    }
}

QString QxKeyCodec::decode(const QString &instance, quint32 syntax, bool lastImplied, QString &valueText)
{
    ArcReader r(instance);
    switch (syntax) {
    case boolean:
        valueText = QString::fromLatin1(r.next() != 0 ? "true" : "false");
        break;
    case integer:
        valueText = QString::number(qint32(r.next()));
        break;
    case counter:
    case guage:
    case uinteger:
        valueText = QString::number(r.next());
        break;
    case bitstr:
    case octetstr:
    case opaque: {
        const qsizetype n = lastImplied ? r.remaining() : qsizetype(r.next());
        valueText = QxHexText::fromOctets(r.octets(n));
        break;
    }
    case null:
        valueText = QxValueCodec::nullText();
        break;
    case objectid: {
        const qsizetype n = lastImplied ? r.remaining() : qsizetype(r.next());
        r.need(n);
        QList<quint32> arcs;
        for (qsizetype i = 0; i < n; ++i)
            arcs.append(r.next());
        valueText = QxOidText::toText(arcs);
        break;
    }
    case ipaddress:
    case nsapaddr:
        valueText = QxValueCodec::toText(QxSNMPValue::bytes(QxSNMPValue::IpAddress, r.octets(4)), ipaddress);
        break;
    case timeticks:
        valueText = QxTimeTicks::toText(r.next());
        break;
    case counter64: {
        r.need(2);
        const quint64 high = r.next();
        const quint64 low = r.next();
        valueText = QString::number(high << 32 | low);
        break;
    }
    case double_:
    case bcdatetime: {
        r.need(2);
        const quint64 low = r.next();
        const quint64 high = r.next();
        const quint64 bits = high << 32 | low;
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        valueText = syntax == double_ ? QxNumberText::realText(d) : QxDateTimeDouble::toText(d);
        break;
    }
    case macaddress:
        valueText = QxHexText::fromOctets(r.octets(6));
        break;
    case ipv6address:
        valueText = QxHexText::fromOctets(r.octets(lastImplied ? r.remaining() : 16));
        break;
    case datetime: {
        QxDateTime dt;
        dt.setOctets(r.octets(QxDateTime::WireSize));
        valueText = dt.toText();
        break;
    }
    case displaystr: {
        const qsizetype n = lastImplied ? r.remaining() : qsizetype(r.next());
        valueText = QString::fromLatin1(r.octets(n));
        break;
    }
    default:
        QxSNMPException::raiseFramework(-511);
    }
    return r.rest();
}

namespace {

bool wholeNumber(const QString &text, qint64 &value)
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok;
}

bool dottedAddress(const QString &text, quint32 &address)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    address = 0;
    for (const QString &p : parts) {
        bool ok = false;
        const uint octet = p.toUInt(&ok);
        if (!ok || octet > 255)
            return false;
        address = address << 8 | octet;
    }
    return true;
}

QString macDigits(const QString &text)
{
    QString digits;
    for (QChar c : text.trimmed()) {
        if (c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(' '))
            continue;
        if (!c.isDigit() && !(c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
            return QString();
        digits += c.toUpper();
    }
    return digits.size() == 12 ? digits : QString();
}

} // namespace

bool QxKeyCodec::sameKey(const QString &a, const QString &b)
{
    qint64 x = 0;
    qint64 y = 0;
    if (wholeNumber(a, x) && wholeNumber(b, y))
        return x == y;
    quint32 p = 0;
    quint32 q = 0;
    if (dottedAddress(a, p) && dottedAddress(b, q))
        return p == q;
    const QString m = macDigits(a);
    if (!m.isEmpty() && m == macDigits(b))
        return true;
    return a == b;
}
