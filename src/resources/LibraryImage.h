#pragma once

#include "resources/ResourceImage.h"

// The process-wide image name table (Pattern::Singleton<LibraryImage>): the widget library's
// images followed by the application's own, all under the "/Images/" root.
class LibraryImage : public ResourceImage
{
public:
    // First entries of the application's groups.
    enum LIB_IMAGE_S : int {
        IMG_LOGO = 35,
        IMG_MAIN_MENU = 37,
        IMG_REPORT_STATUS = 38,
        IMG_THEME_FUN = 40,
        IMG_VESSEL = 43,
        IMG_WIFI_STATUS = 44,
        IMG_WIFI_MODE = 54,
        IMG_ENTRY_COUNT = 56
    };

    enum WIFI_MODE : int { WIFI_MODE_AP = 0, WIFI_MODE_CLIENT = 1 };

    LibraryImage();
    ~LibraryImage() override;

    // Each gives an empty path, and logs, for an index outside its group.
    std::string getWiFiStatusIconPath(int index) const;
    std::string getLogoIconPath(int index) const;
    std::string getSatelliteIconPath(int index) const;
    std::string getMainMenuIconPath(int index) const;
    std::string getThemeFunIconPath(int index) const;
    // The LEDs come in one size, 0.
    std::string getLedIconPath(int size, int index) const;
    std::string getReportStatusIconPath(int index) const;
    std::string getWiFiModeIconPath(WIFI_MODE mode) const;
    std::string getVesselDimensionIconPath() const;
};
