#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a port's tooltip on the front panel tells: its name (ifAlias, else
// ifDescr), administrative state, link, and speed and duplex while it has link, PVID and the VLANs it is an untagged or
// tagged member of, PoE where the switch reports it, the LLDP neighbour, and
// the rates from its last two samples; or, while nothing is known, that it is
// being read, or the text of the read that failed.
struct QxPortDetails
{
    int port = 0;
    QString name;
    QString admin;  // "enabled", "disabled", "testing"
    QString link;   // "up", "down", ...
    QString speed;  // "100 Mbit/s"
    QString duplex; // "full duplex"
    QString pvid;
    QList<int> untaggedVlans;
    QList<int> taggedVlans;
    QString poe;       // "enabled, Delivering Power, 4.2 W"
    QString neighbour; // "core-sw1, port Gi0/1"
    std::optional<double> inBps;
    std::optional<double> outBps;
    QString error;
    bool reading = false;

    // The port's own columns of a details read (PortViewTables::details order).
    static QxPortDetails fromValues(int port, const QStringList &values);
    // Membership from the static VLAN table's rows (VLAN ID, egress and
    // untagged port lists as hexadecimal text).
    void takeVlans(const QList<int> &vlanIds, const QStringList &egress, const QStringList &untagged);

    // Rich text, one fact to a line.
    QString toolTip() const;
};
