#pragma once

#include <QByteArray>
#include <QString>

// SNMPv2 DateAndTime: the 11 wire octets as fields, and the text form
// "year-month-day,hour:minutes:seconds.deci-seconds[,+h:m]".
class QxDateTime
{
public:
    static constexpr int WireSize = 11;
    // The form without the offset from UTC.
    static constexpr int LocalSize = 8;

    // The current local date and time, deci-seconds 0, offset +0:0.
    QxDateTime();
    static QxDateTime fromText(const QString &text);
    // Takes 11 octets (more are ignored), or 8 without the offset (read as
    // +0:0); returns false (and leaves the value) otherwise.
    bool setOctets(const QByteArray &octets);
    QByteArray toOctets() const;
    QString toText() const;

    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minutes = 0;
    quint8 seconds = 0;
    quint8 deciSeconds = 0;
    char direction = '+';
    quint8 utcHours = 0;
    quint8 utcMinutes = 0;
};
