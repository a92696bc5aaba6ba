#include "resources/LibraryImage.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

namespace {

const char* const OwnImages[] = {
    "VELK", "Bramid",                                        // Logo
    "0.Home",                                                // MainMenu
    "0.Good", "1.Failed",                                    // ReportStatus
    "0.Help", "1.About", "2.Book",                           // ThemeFun
    "Dimension",                                             // Vessel
    "0.RSSI1", "1.RSSI2", "2.RSSI3", "3.RSSI4", "4.RSSI5",   // WiFiStatus: signal bars, weakest first
    "5.Security", "6.Connected", "7.Connect", "8.Disconnect", "9.Empty",
    "0.AP Mode", "1.Client Mode",                            // WiFiMode
};
static_assert(LibraryImage::BaseEntryCount + sizeof(OwnImages) / sizeof(OwnImages[0]) == LibraryImage::IMG_ENTRY_COUNT,
              "the groups' first entries follow the table");

const std::string NoSizeFolder = "/";

} // namespace

LibraryImage::LibraryImage()
{
    m_entries.reserve(IMG_ENTRY_COUNT);
    for (const char* name : OwnImages)
        m_entries.emplace_back(RES_IMAGES, name);
}

LibraryImage::~LibraryImage() = default;

std::string LibraryImage::getWiFiStatusIconPath(int index) const
{
    return groupEntryPath("getWiFiStatusIconPath", RES_IMAGES, "WiFiStatus", NoSizeFolder, IMG_WIFI_STATUS,
                          IMG_WIFI_MODE - IMG_WIFI_STATUS, index);
}

std::string LibraryImage::getLogoIconPath(int index) const
{
    return groupEntryPath("getLogoIconPath", RES_IMAGES, "Logo", NoSizeFolder, IMG_LOGO, IMG_MAIN_MENU - IMG_LOGO,
                          index);
}

std::string LibraryImage::getSatelliteIconPath(int index) const
{
    return groupEntryPath("getSatelliteIconPath", RES_GRAPHIC, "Satellite", NoSizeFolder, IMG_SATELLITE,
                          BaseEntryCount - IMG_SATELLITE, index);
}

std::string LibraryImage::getMainMenuIconPath(int index) const
{
    return groupEntryPath("getMainMenuIconPath", RES_IMAGES, "MainMenu", NoSizeFolder, IMG_MAIN_MENU,
                          IMG_REPORT_STATUS - IMG_MAIN_MENU, index);
}

std::string LibraryImage::getThemeFunIconPath(int index) const
{
    return groupEntryPath("getThemeFunIconPath", RES_IMAGES, "ThemeFun", NoSizeFolder, IMG_THEME_FUN,
                          IMG_VESSEL - IMG_THEME_FUN, index);
}

std::string LibraryImage::getLedIconPath(int size, int index) const
{
    if (size != 0) {
        Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_ERROR, "getLedIconPath", 0,
                                                            "LED size %d does not exist", size);
        return std::string();
    }
    return groupEntryPath("getLedIconPath", RES_SYMBOL, "Led", "/A30/", IMG_LED, IMG_EXTENSION - IMG_LED, index);
}

std::string LibraryImage::getReportStatusIconPath(int index) const
{
    return groupEntryPath("getReportStatusIconPath", RES_IMAGES, "ReportStatus", NoSizeFolder, IMG_REPORT_STATUS,
                          IMG_THEME_FUN - IMG_REPORT_STATUS, index);
}

std::string LibraryImage::getWiFiModeIconPath(WIFI_MODE mode) const
{
    return groupEntryPath("getWiFiModeIconPath", RES_IMAGES, "WiFiMode", NoSizeFolder, IMG_WIFI_MODE,
                          IMG_ENTRY_COUNT - IMG_WIFI_MODE, mode);
}

std::string LibraryImage::getVesselDimensionIconPath() const
{
    return groupEntryPath("getVesselDimensionIconPath", RES_IMAGES, "Vessel", NoSizeFolder, IMG_VESSEL,
                          IMG_WIFI_STATUS - IMG_VESSEL, 0);
}
