#include "app/core/DeviceSettingsFile.h"

#include "app/core/IntegerText.h"
#include "app/core/LaunchState.h"
#include "snmp/QxIni.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Level and protocols: "0" keeps the current value, anything else is the 0-based number.
void applyCountedFromZero(const QString &value, int &target, QString &text)
{
    if (value == QLatin1String("0"))
        return;
    target = IntegerText::toInt(value) + 1;
    text = QString::number(target);
}

} // namespace

QString DeviceSettingsFile::fileName(const QString &folder, const QString &address)
{
    return folder + address + QStringLiteral(".cfg");
}

void DeviceSettingsFile::apply(const QString &fileName, LaunchState &state)
{
    if (!QFileInfo(fileName).isFile())
        return;
    const QxIni ini(fileName);
    const QString section = QString::fromLatin1(Section);
    const auto read = [&](const char *key) { return ini.read(section, QString::fromLatin1(key)); };
    LaunchTexts &texts = state.texts;
    QxSNMPSecurity &security = state.security;

    const int port = IntegerText::toInt(read("AgentPort"));
    state.device.port = quint16(port);
    texts.port = QString::number(port);

    texts.version = read("Version");
    security.version = quint8(IntegerText::toInt(texts.version));

    const QString contextName = read("ContextName");
    if (!contextName.isEmpty()) {
        state.scope.contextName = contextName;
        texts.contextName = contextName;
    }
    // An empty engine ID in the file clears one given earlier.
    state.scope.contextEngineId = read("ContextEngineID");
    texts.contextEngineId = state.scope.contextEngineId;

    security.securityModel = IntegerText::toInt(read("SecurityModel"));
    texts.securityModel = QString::number(security.securityModel);

    applyCountedFromZero(read("SecurityLevel"), security.securityLevel, texts.securityLevel);

    security.securityName = read("SecurityName");
    texts.securityName = security.securityName;

    applyCountedFromZero(read("AuthProtocol"), security.authProtocol, texts.authProtocol);
    applyCountedFromZero(read("PrivProtocol"), security.privProtocol, texts.privProtocol);

    const QString authPassword = read("AuthPassword");
    if (!authPassword.isEmpty()) {
        security.authPassword = authPassword;
        texts.authPassword = authPassword;
    }
    // Not one of the host's keys: an engineer's own, for an agent whose GETBULK
    // should be asked for so many rows (0: GET-NEXT only). Without it, adapted.
    const QString repetitions = read("MaxRepetitions");
    if (!repetitions.trimmed().isEmpty())
        state.maxRepetitions = std::clamp(IntegerText::toInt(repetitions), -1, MostMaxRepetitions);

    const QString privPassword = read("PrivPassword");
    if (!privPassword.isEmpty()) {
        security.privPassword = privPassword;
        texts.privPassword = privPassword;
    }
}
