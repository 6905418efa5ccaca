#pragma once

class QxSNMPRequest2Controls;

// Runs a controller synchronously for as long as it lives and gives it its
// previous mode back when it goes, however the operations in between end.
// Writes that mark variables for one exchange use it, so that the marks are
// cleared only after the exchange, not while its reply is still on the way.
class SynchronousMode final
{
public:
    explicit SynchronousMode(QxSNMPRequest2Controls &controller);
    ~SynchronousMode();
    SynchronousMode(const SynchronousMode &) = delete;
    SynchronousMode &operator=(const SynchronousMode &) = delete;

private:
    QxSNMPRequest2Controls &m_controller;
    bool m_asynchronous;
};
