#pragma once

#include <QString>
#include <string>

// Program-wide names shared by every subsystem.
namespace Constants {

inline const QString ApplicationTag = QStringLiteral("AIS");

inline const std::string CommIniFile = "comm.ini";
inline const std::string ConfigIniFile = "config.ini";
inline const std::string ProfileIniFile = "profile.ini";

inline const std::string ResourceRootWidget = "/Widget/";
inline const std::string ResourceRootSymbol = "/Symbol/";
inline const std::string ResourceRootGraphic = "/Graphic/";
inline const std::string ResourceRootImages = "/Images/";
inline const std::string ResourceRootSounds = "/Sounds/";

inline const QString DefaultFontFamily = QStringLiteral("Tahoma");

} // namespace Constants
