#pragma once

#include <QString>

// The translated texts that the window's slots and the Wi-Fi jobs show in message boxes and
// labels; built once, when the view is made.
struct SMsgTextResource
{
    QString information;
    QString warning;
    QString wifiModeName[3]; // by Wi-Fi operation mode: access point, client, none
    QString autoSelect;
    QString ssidEmpty;
    QString passwordFormat;
    QString passwordLength;
    QString invalidChannel;
    QString invalidIpAddress;
    QString invalidSubnetMask;
    QString invalidPort;
    QString invalidWiFi;
    QString applyingWait;
    QString applyingWaitMinute;
    QString wifiConfigTitle;
    QString inputPasswordTitle;
    QString inputPasswordPrompt;
    QString connectFail;
    QString factoryResetTitle;
    QString factoryResetConfirm;
    QString switchToClientConfirm;
    QString switchToApConfirm;
    QString enableConfirm;
    QString disableConfirm;
    QString continueQuestion;
    QString powerSupplyNote;
    QString determiningModule;
    QString settingInProgress;
    QString settingFail;
    QString wifiServiceTitle;
    QString programModuleText;
};
