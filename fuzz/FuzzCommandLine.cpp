// The module's command line and the device's settings file the host suite writes
// beside it: any parameters, any file.
#include "app/core/IntegerText.h"
#include "app/core/LaunchParameters.h"
#include "app/core/LaunchState.h"
#include "fuzz/FuzzInput.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString folder = [] {
        const QString dir = fuzzFile("settings");
        QDir().mkpath(dir);
        return dir + QLatin1Char('/');
    }();
    FuzzInput in(data, size);
    const QString all = in.restText();
    // Up to a line "--": the settings file of device 10.0.0.1; then one parameter a line.
    const qsizetype cut = all.indexOf(QLatin1String("\n--\n"));
    writeFuzzFile(folder + QStringLiteral("10.0.0.1.cfg"), cut < 0 ? QByteArray() : all.left(cut).toUtf8());
    QStringList parameters{QStringLiteral("/I10.0.0.1")};
    parameters += (cut < 0 ? all : all.mid(cut + 4)).split(QLatin1Char('\n'));
    LaunchState state;
    try {
        LaunchParameters::apply(parameters, folder, state);
    } catch (const IntegerText::Error &) {
    }
    return 0;
}
