#pragma once

#include <QString>
#include <QStringList>

struct LaunchState;

// The module's command line. A switch is two characters anywhere in a parameter
// (exact case); its value is the rest of the parameter after the first
// occurrence. Before every parameter but the address, the device's settings file
// is read again, so a switch outlasts the file only in the last parameter.
class LaunchParameters
{
public:
    // Applies the parameters in order. Non-numeric values of numeric switches
    // raise IntegerText::Error.
    static void apply(const QStringList &parameters, const QString &settingsFolder, LaunchState &state);

private:
    static bool applyCommon(const QString &parameter, LaunchState &state);
    static bool applySnmpV3(const QString &parameter, LaunchState &state);
};
