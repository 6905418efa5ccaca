#pragma once

#include <QByteArray>
#include <QList>

// A variable binding's value, independent of the SNMP library: a type tag (the
// BER tags of SMI) with an integer, octets or object identifier. The codecs
// convert between value texts and this type; only the request engine converts
// it to and from the library's bindings.
struct QxSNMPValue
{
    enum Type : quint8 {
        Integer = 0x02,
        OctetString = 0x04,
        Null = 0x05,
        ObjectId = 0x06,
        IpAddress = 0x40,
        Counter32 = 0x41,
        Gauge32 = 0x42,
        TimeTicks = 0x43,
        Opaque = 0x44,
        Counter64 = 0x46,
        UInteger32 = 0x47,
        NoSuchObject = 0x80,
        NoSuchInstance = 0x81,
        EndOfMibView = 0x82,
    };

    quint8 type = Null;
    quint64 number = 0;   // Integer: the signed value as two's complement; others unsigned
    QByteArray octets;    // OctetString, Opaque, IpAddress
    QList<quint32> arcs;  // ObjectId

    static QxSNMPValue null() { return QxSNMPValue(); }
    static QxSNMPValue integer(qint64 v) { return make(Integer, quint64(v)); }
    static QxSNMPValue unsignedValue(quint8 type, quint64 v) { return make(type, v); }
    static QxSNMPValue bytes(quint8 type, QByteArray data)
    {
        QxSNMPValue value;
        value.type = type;
        value.octets = std::move(data);
        return value;
    }
    static QxSNMPValue objectId(QList<quint32> oidArcs)
    {
        QxSNMPValue value;
        value.type = ObjectId;
        value.arcs = std::move(oidArcs);
        return value;
    }

    qint64 signedNumber() const { return qint64(number); }
    bool isException() const { return type == NoSuchObject || type == NoSuchInstance || type == EndOfMibView; }
    bool isNumeric() const
    {
        return type == Integer || type == Counter32 || type == Gauge32 || type == TimeTicks || type == UInteger32
               || type == Counter64;
    }
    bool isOctets() const { return type == OctetString || type == Opaque || type == IpAddress; }

    bool operator==(const QxSNMPValue &o) const
    {
        return type == o.type && number == o.number && octets == o.octets && arcs == o.arcs;
    }

private:
    static QxSNMPValue make(quint8 type, quint64 v)
    {
        QxSNMPValue value;
        value.type = type;
        value.number = v;
        return value;
    }
};
