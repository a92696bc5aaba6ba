#include "mainwindow/environment/CEnvironmentSetup.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QSettings>

namespace {

QString envKey(const char* name)
{
    return QStringLiteral("/Env_Setting/%1").arg(QLatin1String(name));
}

void warnNoSettings(const char* operation)
{
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, operation, 0, "%s",
                                                         "No settings for the environment");
}

} // namespace

void CEnvironmentSetup::readProfileIni(const QSettings* settings)
{
    if (!settings) {
        warnNoSettings("readProfileIni");
        return;
    }
    SEnvSetting setting;
    setting.debugMode = settings->value(envKey("DebugMode"), false).toBool();
    // A text that is no number converts to 0, as does an index the port cannot use.
    const int baudIndex = settings->value(envKey("DefaultBaudRate"), 0).toInt();
    setting.defaultBaudRate = (baudIndex >= 0 && baudIndex < BaudIndexCount) ? baudIndex : 0;
    m_setting = setting;
}

void CEnvironmentSetup::writeProfileIni(QSettings* settings) const
{
    if (!settings) {
        warnNoSettings("writeProfileIni");
        return;
    }
    const std::pair<const char*, QVariant> values[] = {{"DebugMode", m_setting.debugMode},
                                                       {"DefaultBaudRate", m_setting.defaultBaudRate}};
    for (const auto& [name, value] : values) {
        if (!settings->contains(envKey(name)))
            settings->setValue(envKey(name), value);
    }
}
