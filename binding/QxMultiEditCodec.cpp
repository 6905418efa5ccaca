#include "binding/QxMultiEditCodec.h"

#include "snmp/QxDateTime.h"
#include "snmp/QxDateTimeDouble.h"
#include "snmp/QxOctetCodec.h"
#include "snmp/QxSNMPException.h"
#include "snmp/QxSNMPSyntax.h"
#include "snmp/QxTimeTicks.h"
#include "snmp/QxValueCodec.h"

#include <QDateTime>
#include <QLineEdit>

using namespace QxSyntax;

namespace {

constexpr int kNotEnoughControls = -522;
constexpr int kBadValue = -518;

void require(const QList<QLineEdit *> &edits, int count)
{
    if (edits.size() < count)
        QxSNMPException::raiseFramework(kNotEnoughControls);
}

QString hex2(quint8 octet)
{
    return QStringLiteral("%1").arg(octet, 2, 16, QLatin1Char('0')).toUpper();
}

// Fills edits 0..texts-1 and clears the rest.
void fill(const QList<QLineEdit *> &edits, const QStringList &texts)
{
    for (int k = 0; k < edits.size(); ++k)
        edits.at(k)->setText(k < texts.size() ? texts.at(k) : QString());
}

QStringList hexTexts(const QByteArray &octets, int limit)
{
    QStringList texts;
    for (int k = 0; k < octets.size() && k < limit; ++k)
        texts << hex2(quint8(octets.at(k)));
    return texts;
}

// The leading decimal digits of an edit's text; no digits give 0.
quint64 number(const QLineEdit *edit)
{
    const QString t = edit->text().trimmed();
    quint64 n = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        n = n * 10 + quint64(c.unicode() - '0');
        if (n > 0xFFFFFFFFull)
            QxSNMPException::raiseFramework(kBadValue);
    }
    return n;
}

QString hexPart(const QLineEdit *edit)
{
    const QString t = edit->text();
    if (t.isEmpty())
        return QStringLiteral("00");
    if (t.size() == 1)
        return QLatin1Char('0') + t;
    return t;
}

bool isNull(const QString &value)
{
    return value == QxValueCodec::nullText();
}

} // namespace

int QxMultiEditCodec::needed(quint32 syntax, int valueParts)
{
    switch (syntax) {
    case bitstr:
    case octetstr:
    case opaque:
    case objectid:
        return valueParts;
    case ipaddress:
    case nsapaddr:
        return 4;
    case timeticks:
        return 5;
    case macaddress:
        return 6;
    case datetime:
        return 10;
    case bcdatetime:
        return 7;
    case ipv6address:
        return 16;
    default:
        return 1;
    }
}

void QxMultiEditCodec::show(const QList<QLineEdit *> &edits, quint32 syntax, const QString &value,
                            const QString &display)
{
    switch (syntax) {
    case bitstr:
    case octetstr:
    case opaque: {
        const QByteArray octets = QxOctetCodec::textToOctets(value, syntax);
        require(edits, needed(syntax, int(octets.size())));
        fill(edits, hexTexts(octets, int(octets.size())));
        return;
    }
    case objectid: {
        const QByteArray octets = QxOctetCodec::textToOctets(value, syntax);
        QStringList arcs;
        for (int k = 0; k + 4 <= octets.size(); k += 4) {
            const quint32 arc = quint32(quint8(octets.at(k))) | quint32(quint8(octets.at(k + 1))) << 8
                                | quint32(quint8(octets.at(k + 2))) << 16 | quint32(quint8(octets.at(k + 3))) << 24;
            arcs << QString::number(arc);
        }
        require(edits, needed(syntax, int(arcs.size())));
        fill(edits, arcs);
        return;
    }
    default:
        break;
    }

    require(edits, needed(syntax, 0));
    switch (syntax) {
    case ipaddress:
    case nsapaddr: {
        if (isNull(value))
            return;
        const QByteArray octets = QxOctetCodec::textToOctets(value, ipaddress);
        QStringList texts;
        for (int k = 0; k < 4 && k < octets.size(); ++k)
            texts << QString::number(quint8(octets.at(k)));
        fill(edits, texts);
        return;
    }
    case timeticks: {
        if (isNull(value))
            return;
        const quint64 t = QxTimeTicks::fromText(value);
        fill(edits, {QString::number(t / 8640000), QString::number(t % 8640000 / 360000),
                     QString::number(t % 360000 / 6000), QString::number(t % 6000 / 100), QString::number(t % 100)});
        return;
    }
    case macaddress:
    case ipv6address: {
        if (isNull(value))
            return;
        const QByteArray octets = QxOctetCodec::textToOctets(value, syntax);
        fill(edits, hexTexts(octets, syntax == macaddress ? 6 : 16));
        return;
    }
    case datetime: {
        if (isNull(value))
            return;
        const QxDateTime d = QxDateTime::fromText(value);
        fill(edits, {QString::number(d.year), QString::number(d.month), QString::number(d.day),
                     QString::number(d.hour), QString::number(d.minutes), QString::number(d.seconds),
                     QString::number(d.deciSeconds), QString(QLatin1Char(d.direction)), QString::number(d.utcHours),
                     QString::number(d.utcMinutes)});
        return;
    }
    case bcdatetime: {
        if (isNull(value))
            return;
        const QDateTime dt = QxDateTimeDouble::toDateTime(QxDateTimeDouble::fromText(value));
        fill(edits, {QString::number(dt.date().year()), QString::number(dt.date().month()),
                     QString::number(dt.date().day()), QString::number(dt.time().hour()),
                     QString::number(dt.time().minute()), QString::number(dt.time().second()),
                     QString::number(dt.time().msec())});
        return;
    }
    default:
        edits.first()->setText(display);
        return;
    }
}

QString QxMultiEditCodec::collect(const QList<QLineEdit *> &edits, quint32 syntax)
{
    switch (syntax) {
    case bitstr:
    case octetstr:
    case opaque:
    case macaddress:
    case ipv6address: {
        const int count = syntax == macaddress ? 6 : syntax == ipv6address ? 16 : int(edits.size());
        require(edits, qMax(count, 1));
        QString text;
        for (int k = 0; k < count; ++k)
            text += hexPart(edits.at(k));
        return text;
    }
    case objectid: {
        require(edits, 1);
        QStringList arcs;
        for (const QLineEdit *e : edits)
            arcs << QString::number(number(e));
        return arcs.join(QLatin1Char('.'));
    }
    case ipaddress:
    case nsapaddr: {
        require(edits, 4);
        QStringList parts;
        for (int k = 0; k < 4; ++k)
            parts << QString::number(number(edits.at(k)));
        return parts.join(QLatin1Char('.'));
    }
    case timeticks: {
        require(edits, 5);
        const quint64 t = number(edits.at(0)) * 8640000 + number(edits.at(1)) * 360000 + number(edits.at(2)) * 6000
                          + number(edits.at(3)) * 100 + number(edits.at(4));
        return QxTimeTicks::toText(t);
    }
    case datetime: {
        require(edits, 10);
        QxDateTime d;
        d.year = quint16(number(edits.at(0)));
        d.month = quint8(number(edits.at(1)));
        d.day = quint8(number(edits.at(2)));
        d.hour = quint8(number(edits.at(3)));
        d.minutes = quint8(number(edits.at(4)));
        d.seconds = quint8(number(edits.at(5)));
        d.deciSeconds = quint8(number(edits.at(6)));
        const QString direction = edits.at(7)->text();
        d.direction = direction.isEmpty() ? '+' : char(direction.at(0).toLatin1());
        d.utcHours = quint8(number(edits.at(8)));
        d.utcMinutes = quint8(number(edits.at(9)));
        return d.toText();
    }
    case bcdatetime: {
        require(edits, 7);
        const QDate date(int(number(edits.at(0))), int(number(edits.at(1))), int(number(edits.at(2))));
        const QTime time(int(number(edits.at(3))), int(number(edits.at(4))), int(number(edits.at(5))),
                         int(number(edits.at(6))));
        if (!date.isValid() || !time.isValid())
            QxSNMPException::raiseFramework(kBadValue);
        return QxDateTimeDouble::toText(QxDateTimeDouble::fromDateTime(QDateTime(date, time)));
    }
    default:
        require(edits, 1);
        return edits.first()->text();
    }
}
