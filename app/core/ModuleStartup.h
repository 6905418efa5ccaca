#pragma once

#include "app/core/LaunchState.h"

#include <QString>
#include <QStringList>
#include <optional>

class RegistryStore;

// The start-up road up to the main window: the session, the host's folders from
// the registry, the message catalogues, and the launch parameters with the
// device's settings file, which end in the process-wide request defaults.
class ModuleStartup
{
public:
    // The module's own file name; the HelpPath value ends with it.
    static constexpr const char *ModuleFileName = "nx2400p";

    // What a tool's own options change after the launch parameters (the
    // command-line client's and the dialog driver's --port and --timeout).
    struct Overrides
    {
        Overrides() = default;
        // A port is from 1 to 65535, as the tools' options check.
        Overrides(std::optional<int> agentPort, std::optional<int> hundredths,
                  std::optional<int> repetitions = std::nullopt)
            : port(agentPort ? std::optional<quint16>(quint16(*agentPort)) : std::nullopt), timeout(hundredths),
              maxRepetitions(repetitions)
        {
        }
        std::optional<quint16> port;
        std::optional<int> timeout; // hundredths of a second
        std::optional<int> maxRepetitions;
    };

    struct Result
    {
        LaunchState launch;
        QString moduleFolder;
        QString settingsFolder;
        bool noParameters = false;
    };

    // Runs every step; errors of the session (QxSNMPException) and of integer
    // conversions (IntegerText::Error) escape to the caller.
    static Result run(const QStringList &parameters, const RegistryStore &registry,
                      const QString &bootCounterDirectory = QString(), const Overrides &overrides = {});

    static QString moduleFolder(const RegistryStore &registry);
    static QString settingsFolder(const RegistryStore &registry);
};
