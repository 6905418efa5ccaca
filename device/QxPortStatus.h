#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the port status window shows of one port from its row of the status
// walk (PortViewTables::status): its name (ifAlias, else ifDescr), whether it
// is enabled and has link, speed and duplex (only with link), PVID and PoE;
// the VLANs it belongs to come from the static VLAN table's egress lists.
struct QxPortStatus
{
    enum class State { Disabled, Down, Up };

    int port = 0;
    QString name;
    State state = State::Down;
    QString admin;  // "enabled", "disabled", "testing"
    QString link;   // "up", "down", ...
    QString speed;  // "100 Mbit/s full"; empty without link
    quint64 speedBits = 0;
    QString pvid;
    QList<int> vlans;
    QString poe;    // "Delivering Power", "Searching", "disabled"; empty for a port without PoE
    std::optional<double> poeWatts;

    // The port's walk row, in the table's column order.
    static QxPortStatus fromRow(int port, const QStringList &values);
    // Membership from the static VLAN table's rows (VLAN ID and egress port
    // list as hexadecimal text).
    void takeVlans(const QList<int> &vlanIds, const QStringList &egress);
    QString vlanText() const;
    QString powerText() const;
};
