#pragma once

#include <QString>

// The translated texts that the window, its slots and the Wi-Fi jobs show in message boxes and
// labels. The view builds them and hands them out read-only: the window's texts each time the
// translation is installed, the message texts once, when the view is made.
struct SMsgTextResource
{
    // The window's texts.
    QString titleText;
    QString connectText;
    QString disconnectText;
    QString disconnectTip;
    QString connectCheckTip;
    QString inUseSuffix;
    QString homeMoreText;
    QString invalidShipNameTip;
    QString invalidCallSignTip;
    QString mmsiTitle;
    QString mmsiHelpText;
    QString invalidMmsiTip;
    QString onText;
    QString offText;
    QString advMoreText;
    QString advHideText;
    QString deviceConfirmText;
    QString startLogText;
    QString stopLogText;

    // The message texts.
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
    QString inputPasswordPrompt; // "%1" stands for the SSID
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
    QString logNotSaved; // "%1" stands for the file, "%2" for the system's reason
    QString portOpenFail;     // "%1" the port, "%2" the system's reason
    QString deviceNoAnswer;   // "%1" what was wrong
    QString versionUnread;
    QString dumpNoEnd;
};
