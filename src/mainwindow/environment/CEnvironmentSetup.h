#pragma once

#include "mainwindow/environment/SEnvSetting.h"

class QSettings;

// The main window's environment settings, read once from profile.ini at start-up.
class CEnvironmentSetup
{
public:
    static constexpr int BaudIndexCount = 8;

    const SEnvSetting& setting() const { return m_setting; }

    void readProfileIni(const QSettings* settings);
    // Adds the keys the file lacks; a key that is present keeps its value.
    void writeProfileIni(QSettings* settings) const;
    void setNewProfileSetting(const SEnvSetting& setting) { m_setting = setting; }

private:
    SEnvSetting m_setting;
};
