#pragma once

#include <QString>
#include <QStringList>

// What a port's socket on the front panel shows: link up (by speed), link
// down, disabled by the administrator, PoE delivering, and errors counted in
// the last samples.
struct QxPortState
{
    enum class Link { Unknown, Up, Down, Disabled };

    Link link = Link::Unknown;
    quint64 speedMbps = 0; // with link; 0: not known
    QString duplex;        // "full", "half" or empty, with link
    bool poeDelivering = false;
    bool errors = false;

    // The port's columns of a states read (PortViewTables::states order; the
    // PoE ones may be missing). A value the agent does not hold reads empty.
    static QxPortState fromValues(const QStringList &values);
    // "up 100M full", "down", "disabled", "unknown", with ", PoE" and ", errors".
    QString text() const;

    bool operator==(const QxPortState &) const = default;
};
