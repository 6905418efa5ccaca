#pragma once

#include <QString>

struct LaunchState;

// The per-device settings file written by the host suite: "<address>.cfg" in the
// device-settings folder, section "Program Information". It counts security level
// and protocols from 0 where the session counts them from 1.
class DeviceSettingsFile
{
public:
    static constexpr const char *Section = "Program Information";
    // The largest MaxRepetitions taken; what is above asks for this many.
    static constexpr int MostMaxRepetitions = 10000;

    // "<folder><address>.cfg"
    static QString fileName(const QString &folder, const QString &address);
    // Reads every key, in order, into the launch state when the file exists.
    // A key that must be a number and is not raises IntegerText::Error.
    static void apply(const QString &fileName, LaunchState &state);
};
