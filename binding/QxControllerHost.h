#pragma once

#include <QList>

class QxSNMPRequest2Controls;

// A window that owns request controllers. Whoever drives the window from
// outside (a tool, a test) asks it for them, to know when its reads and writes
// have finished.
class QxControllerHost
{
public:
    virtual ~QxControllerHost() = default;
    // The controllers the window owns now; none once they are closed.
    virtual QList<QxSNMPRequest2Controls *> controllers() const = 0;

protected:
    QxControllerHost() = default;
    QxControllerHost(const QxControllerHost &) = default;
    QxControllerHost &operator=(const QxControllerHost &) = default;
};
