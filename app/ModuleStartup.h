#pragma once

#include "app/LaunchState.h"

#include <QString>
#include <QStringList>

class RegistryStore;

// The start-up road up to the main window: the session, the host's folders from
// the registry, the message catalogues, and the launch parameters with the
// device's settings file, which end in the process-wide request defaults.
class ModuleStartup
{
public:
    // The module's own file name; the HelpPath value ends with it.
    static constexpr const char *ModuleFileName = "nx2400p";

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
                      const QString &bootCounterDirectory = QString());

    static QString moduleFolder(const RegistryStore &registry);
    static QString settingsFolder(const RegistryStore &registry);
};
