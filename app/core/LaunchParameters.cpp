#include "app/core/LaunchParameters.h"

#include "app/core/DeviceSettingsFile.h"
#include "app/core/IntegerText.h"
#include "app/core/LaunchState.h"

#include <optional>

namespace {

std::optional<QString> valueOf(const QString &parameter, const char *theSwitch)
{
    const qsizetype at = parameter.indexOf(QLatin1String(theSwitch), 0, Qt::CaseSensitive);
    if (at < 0)
        return std::nullopt;
    return parameter.mid(at + 2);
}

} // namespace

void LaunchParameters::apply(const QStringList &parameters, const QString &settingsFolder, LaunchState &state)
{
    for (const QString &parameter : parameters) {
        if (const auto address = valueOf(parameter, "/I")) {
            state.device.address = *address;
            state.texts.address = *address;
            continue;
        }
        DeviceSettingsFile::apply(DeviceSettingsFile::fileName(settingsFolder, state.texts.address), state);
        if (applyCommon(parameter, state))
            continue;
        if (state.isSnmpV3())
            applySnmpV3(parameter, state);
    }
}

bool LaunchParameters::applyCommon(const QString &parameter, LaunchState &state)
{
    if (const auto v = valueOf(parameter, "/R")) {
        state.security.readCommunity = *v;
        state.texts.readCommunity = *v;
    } else if (const auto v = valueOf(parameter, "/W")) {
        state.security.writeCommunity = *v;
        state.texts.writeCommunity = *v;
    } else if (const auto v = valueOf(parameter, "/v")) {
        state.security.version = quint8(IntegerText::toInt(*v));
    } else {
        return false;
    }
    return true;
}

bool LaunchParameters::applySnmpV3(const QString &parameter, LaunchState &state)
{
    QxSNMPSecurity &security = state.security;
    LaunchTexts &texts = state.texts;
    if (const auto v = valueOf(parameter, "/t")) {
        const int port = IntegerText::toInt(*v);
        state.device.port = quint16(port);
        texts.port = QString::number(port);
    } else if (const auto v = valueOf(parameter, "/c")) {
        state.scope.contextName = *v;
        if (!v->isEmpty())
            texts.contextName = *v;
    } else if (const auto v = valueOf(parameter, "/d")) {
        state.scope.contextEngineId = *v;
        texts.contextEngineId = *v;
    } else if (const auto v = valueOf(parameter, "/m")) {
        security.securityModel = IntegerText::toInt(*v);
        texts.securityModel = QString::number(security.securityModel);
    } else if (const auto v = valueOf(parameter, "/l")) {
        security.securityLevel = IntegerText::toInt(*v);
        if (security.securityLevel != 0)
            texts.securityLevel = QString::number(security.securityLevel);
    } else if (const auto v = valueOf(parameter, "/n")) {
        security.securityName = *v;
        texts.securityName = *v;
    } else if (const auto v = valueOf(parameter, "/A")) {
        security.authPassword = *v;
        if (!v->isEmpty())
            texts.authPassword = *v;
    } else if (const auto v = valueOf(parameter, "/P")) {
        security.privPassword = *v;
        if (!v->isEmpty())
            texts.privPassword = *v;
    } else if (const auto v = valueOf(parameter, "/a")) {
        security.authProtocol = IntegerText::toInt(*v);
        texts.authProtocol = QString::number(security.authProtocol);
    } else if (const auto v = valueOf(parameter, "/p")) {
        security.privProtocol = IntegerText::toInt(*v);
        texts.privProtocol = QString::number(security.privProtocol);
    } else {
        return false;
    }
    return true;
}
