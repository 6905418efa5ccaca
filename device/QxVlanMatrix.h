#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <map>
#include <optional>
#include <utility>

// The VLAN-by-port matrix as the switch holds it and as the user wants it:
// each static VLAN's egress and untagged port lists and each port's PVID as
// last read, and the membership the user chose where it differs. The plan of
// an apply is what makes the switch so: one write of both port lists per
// VLAN that changes, then the PVIDs that must follow:
//
// - a port made an untagged member of VLAN v takes PVID v when the VLAN of
//   its PVID does not keep it as an untagged member (made one of several
//   VLANs at once, the plan is refused: which would it take?);
// - a port taken out of the VLAN of its PVID goes back to PVID 1 when it is
//   an untagged member of VLAN 1; else the plan is refused, since untagged
//   frames would come in on a VLAN the port no longer belongs to.
//
// What the user chose is kept by VLAN ID and port, so that it outlives a
// read: a choice the switch now holds is done with, the others stay.
class QxVlanMatrix final
{
public:
    enum class Member { None, Untagged, Tagged };
    static constexpr int Ports = 28;
    static constexpr int DefaultVlan = 1;

    struct Vlan
    {
        int id = 0;
        QString name;
        QByteArray egress;
        QByteArray untagged;
    };
    struct VlanWrite
    {
        int id = 0;
        QString name;
        QByteArray egress;
        QByteArray untagged;
        // The lists as read, which the write replaces.
        QByteArray egressRead;
        QByteArray untaggedRead;
        // The ports by what becomes of them.
        QList<int> addedUntagged;
        QList<int> addedTagged;
        QList<int> removed;
        QList<int> nowTagged;
        QList<int> nowUntagged;
    };
    struct PvidWrite
    {
        int port = 0;
        int from = 0;
        int to = 0;
    };
    struct Plan
    {
        QList<VlanWrite> vlans;
        QList<PvidWrite> pvids;
        // Why nothing may be sent; empty when the plan may go.
        QString refusal;
        bool isEmpty() const { return vlans.isEmpty() && pvids.isEmpty(); }
    };

    // What a read brought: the VLANs in the switch's order and the PVID of
    // each port. The user's choices the switch now holds, and those of VLANs
    // that are gone, are done with.
    void take(QList<Vlan> vlans, std::map<int, int> pvids);
    // Forgets the user's choices and the PVIDs owed.
    void discardChanges();

    const QList<Vlan> &vlans() const { return m_vlans; }
    // 0 while it is not known.
    int pvid(int port) const;
    Member read(int row, int port) const;
    // The user's choice where there is one, else what was read.
    Member shown(int row, int port) const;
    bool changed(int row, int port) const;
    bool hasChanges() const;
    // The next of empty, untagged and tagged.
    void cycle(int row, int port);

    Plan plan() const;
    // Writes of a plan that were not made (a write before them was refused):
    // their PVIDs are owed, and go with the next plan while the membership
    // still calls for them.
    void owePvids(const QList<PvidWrite> &pvids);

    static QChar letter(Member member);
    // The preview of a plan: per VLAN what becomes of which ports, then the
    // PVID changes.
    static QString describe(const Plan &plan);

private:
    int rowOf(int vlanId) const;
    Member readById(int vlanId, int port) const;
    Member shownById(int vlanId, int port) const;
    // The PVID change a port's choices call for; a refusal's text when they
    // cannot be made consistent.
    std::optional<PvidWrite> pvidFor(int port, QString &refusal) const;

    QList<Vlan> m_vlans;
    std::map<int, int> m_pvids;
    // (VLAN ID, port) -> the membership the user chose.
    std::map<std::pair<int, int>, Member> m_wanted;
    // port -> the PVID a plan that stopped early did not write.
    std::map<int, int> m_owed;
};
