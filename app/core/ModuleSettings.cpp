#include "app/core/ModuleSettings.h"

#include <QDir>
#include <QSettings>

namespace {
constexpr char kPreviewWrites[] = "Writes/Preview";
}

QString ModuleSettings::fileName()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/nx2400p/nx2400p.ini");
}

bool ModuleSettings::previewWrites()
{
    return QSettings(fileName(), QSettings::IniFormat).value(QLatin1String(kPreviewWrites), false).toBool();
}

void ModuleSettings::setPreviewWrites(bool on)
{
    QSettings settings(fileName(), QSettings::IniFormat);
    settings.setValue(QLatin1String(kPreviewWrites), on);
}
