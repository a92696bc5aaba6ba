#include "ImageCatalog.h"

#include "Drawings.h"

#include <QRegularExpression>

namespace {

struct SImageDraw
{
    const char* name;
    DrawFn draw;
    QSize size; // for images without a size folder
};

struct SImageGroup
{
    const char* root;
    const char* group;
    std::vector<const char*> folders;
    bool themed;
    std::vector<SImageDraw> images;
};

const char* const ThemeFolders[] = {"", "DayBlack/", "Dusk/", "Night/"};

const QSize SkyMapSize(300, 300);
const QSize SatelliteSize(16, 16);
const QSize LogoSize(96, 24);
const QSize MenuSize(32, 32);
const QSize ReportSize(20, 20);
const QSize TitleButtonSize(24, 24);
// The fixed size of the Configuration page's drawing label.
const QSize VesselSize(270, 150);
const QSize TableIconSize(32, 32);
const QSize ModeTileSize(64, 64);

const std::vector<SImageGroup>& imageGroups()
{
    using namespace Drawings;
    static const std::vector<SImageGroup> groups = {
        {"Widget", "WinCtrl", {"A20"}, true,
         {{"0.Close", winClose, {}}, {"0.Close_Hover", winCloseHover, {}}, {"1.Mini", winMini, {}},
          {"1.Mini_Hover", winMiniHover, {}}}},
        {"Widget", "ComboBox", {"A16Gray"}, true, {{"DownArrow", comboDownArrow, {}}}},
        {"Widget", "Edit", {"A16Gray"}, true, {{"DownArrow", editDownArrow, {}}}},
        {"Widget", "SpinBox", {"A12Gray"}, true, {{"Add", spinAdd, {}}, {"Sub", spinSub, {}}}},
        {"Widget", "HeaderView", {"A16Gray"}, false, {{"Up", sortUp, {}}, {"Down", sortDown, {}}}},
        {"Widget", "CheckBox", {"A20Gray", "B32Blue"}, false,
         {{"Checked", checkBoxChecked, {}}, {"Unchecked", checkBoxUnchecked, {}}}},
        {"Widget", "ComboSuit", {"A30"}, false,
         {{"Back", suitBack, {}}, {"Checked", suitChecked, {}}, {"Unchecked", suitUnchecked, {}},
          {"DropBox", suitDropBox, {}}, {"Switch", suitSwitch, {}}, {"Title", suitTitle, {}}}},
        {"Symbol", "Led", {"A30"}, false,
         {{"Red", ledRed, {}}, {"Green", ledGreen, {}}, {"Blue", ledBlue, {}}, {"Orange", ledOrange, {}},
          {"Gray", ledGray, {}}}},
        {"Symbol", "Arrow", {"A30Gray", "B16White"}, false,
         {{"Up", arrowUp, {}}, {"Down", arrowDown, {}}, {"Left", arrowLeft, {}}, {"Right", arrowRight, {}}}},
        {"Symbol", "Modify", {"A25Gray"}, false, {{"Edit", pencil, {}}}},
        {"Symbol", "Extension", {"A36Orange"}, false,
         {{"Full", fullScreen, {}}, {"ExitFull", exitFullScreen, {}}}},
        {"Symbol", "Visible", {"A25Blue"}, false, {{"Visible", eyeOpen, {}}, {"Invisible", eyeStruck, {}}}},
        {"Symbol", "Handled", {"A20Gray"}, false, {{"Handled", handled, {}}, {"Unhandled", unhandled, {}}}},
        {"Graphic", "Satellite", {""}, false,
         {{"Map", skyMap, SkyMapSize}, {"InView", satelliteInView, SatelliteSize},
          {"InUse", satelliteInUse, SatelliteSize}}},
        {"Images", "Logo", {""}, false, {{"VELK", logoMaker, LogoSize}, {"Bramid", logoBrand, LogoSize}}},
        {"Images", "MainMenu", {""}, false, {{"0.Home", menuHome, MenuSize}, {"1.Setting", menuSetting, MenuSize}}},
        {"Images", "ReportStatus", {""}, false,
         {{"0.Good", reportGood, ReportSize}, {"1.Failed", reportFailed, ReportSize}}},
        {"Images", "ThemeFun", {""}, false,
         {{"0.Help", help, TitleButtonSize}, {"1.About", about, TitleButtonSize}, {"2.Book", book, TitleButtonSize}}},
        {"Images", "Vessel", {""}, false, {{"Dimension", vesselDimension, VesselSize}}},
        {"Images", "WiFiMode", {""}, false,
         {{"0.AP Mode", accessPointMode, ModeTileSize}, {"1.Client Mode", clientMode, ModeTileSize}}},
        {"Images", "WiFiStatus", {""}, false,
         {{"0.RSSI1", signalBars1, TableIconSize}, {"1.RSSI2", signalBars2, TableIconSize},
          {"2.RSSI3", signalBars3, TableIconSize}, {"3.RSSI4", signalBars4, TableIconSize},
          {"4.RSSI5", signalBars5, TableIconSize}, {"5.Security", padlock, TableIconSize},
          {"6.Connected", linkConnected, TableIconSize}, {"7.Connect", linkConnect, TableIconSize},
          {"8.Disconnect", linkDisconnect, TableIconSize}, {"9.Empty", nothing, TableIconSize}}},
    };
    return groups;
}

QString collectionOf(const QString& root)
{
    if (root == QLatin1String("Images"))
        return QStringLiteral("AisConfiguration");
    return QStringLiteral("Image") + root;
}

// "A20Gray" is 20 pixels square and gray.
QSize folderSize(const QString& folder)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^[AB](\\d+)")).match(folder);
    const int side = match.captured(1).toInt();
    return QSize(side, side);
}

QColor folderColour(const QString& folder)
{
    if (folder.endsWith(QLatin1String("Gray")))
        return QColor(0x6E6E6E);
    if (folder.endsWith(QLatin1String("Blue")))
        return QColor(0x1E90FF);
    if (folder.endsWith(QLatin1String("White")))
        return QColor(0xFFFFFF);
    if (folder.endsWith(QLatin1String("Orange")))
        return QColor(0xFF8000);
    return QColor(0x404040);
}

// The themes are for dark backgrounds: light gray by day, amber at dusk, dim red at night.
SInk inkFor(const QString& folder, const QString& theme)
{
    if (theme == QLatin1String("DayBlack/"))
        return {QColor(0xE0E0E0), QColor(0x505050), QColor(0xD02020)};
    if (theme == QLatin1String("Dusk/"))
        return {QColor(0xE8A33C), QColor(0x6B4A1A), QColor(0xB03A10)};
    if (theme == QLatin1String("Night/"))
        return {QColor(0xB43232), QColor(0x3C1414), QColor(0x7A1010)};
    return {folderColour(folder), QColor(0x808080), QColor(0xE02020)};
}

} // namespace

std::vector<SImageFile> imageFiles()
{
    std::vector<SImageFile> files;
    for (const SImageGroup& group : imageGroups()) {
        const QString root = QLatin1String(group.root);
        const QString name = QLatin1String(group.group);
        const int themeCount = group.themed ? 4 : 1;
        for (const char* folderName : group.folders) {
            const QString folder = QLatin1String(folderName);
            for (int theme = 0; theme < themeCount; ++theme) {
                const QString themeFolder = QLatin1String(ThemeFolders[theme]);
                for (const SImageDraw& image : group.images) {
                    QString path = root + '/' + name + '/';
                    if (!folder.isEmpty())
                        path += folder + '/';
                    path += themeFolder + QLatin1String(image.name) + QLatin1String(".png");
                    files.push_back({collectionOf(root), '/' + name, path,
                                     folder.isEmpty() ? image.size : folderSize(folder), inkFor(folder, themeFolder),
                                     image.draw});
                }
            }
        }
    }
    return files;
}
