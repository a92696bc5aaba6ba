#pragma once

// Settings the user can only change by editing profile.ini (group "Env_Setting").
struct SEnvSetting
{
    bool debugMode = false;
    // Serial baud index as the communication layer counts it: 0 is 115200 ... 7 is 1200 bit/s.
    int defaultBaudRate = 0;
};
