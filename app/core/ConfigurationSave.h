#pragma once

#include "snmp/QxSNMPWrite.h"

#include <functional>
#include <memory>

class QxSNMPRequest;

// Saving the switch's configuration: its save object written with "all", as
// "Save Changes" does for every area, through the module's one write. A write
// of the save object with any real area (not "other") saves; that is what
// clears the module's unsaved mark, whoever sent it.
class ConfigurationSave final
{
public:
    static constexpr const char *CommandName = "Save Configuration";

    ConfigurationSave();
    ~ConfigurationSave();
    ConfigurationSave(const ConfigurationSave &) = delete;
    ConfigurationSave &operator=(const ConfigurationSave &) = delete;

    // Waits for the switch's answer (the command-line client; the module as it exits).
    static QxSNMPWrite now();
    // Sends and returns at once; done runs with the outcome (not after this
    // object has gone). A save still under way is not sent twice.
    void start(const std::function<void(const QxSNMPWrite &)> &done);
    bool busy() const { return m_busy; }

    static bool saves(const QxSNMPWrite &write);

private:
    std::unique_ptr<QxSNMPRequest> m_request;
    bool m_busy = false;
};
