#include "resources/ResourceImage.h"

#include "support/Constants.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"

namespace {

struct SBaseImage
{
    RESOURCE_KIND kind;
    const char* name;
    bool themed; // has files under the theme folders
};

// The window controls carry the symbol kind although their files lie under the widget root.
const SBaseImage BaseImages[ResourceImage::BaseEntryCount] = {
    {RES_SYMBOL, "0.Close", true},   {RES_SYMBOL, "1.Mini", true},
    {RES_WIDGET, "Checked", true},   {RES_WIDGET, "Unchecked", true},
    {RES_WIDGET, "Checked", true},   {RES_WIDGET, "Unchecked", true},
    {RES_WIDGET, "DownArrow", true}, {RES_WIDGET, "DownArrow", true},
    {RES_WIDGET, "Add", true},       {RES_WIDGET, "Sub", true},
    {RES_WIDGET, "Up", false},       {RES_WIDGET, "Down", false},
    {RES_SYMBOL, "Visible", true},   {RES_SYMBOL, "Invisible", true},
    {RES_SYMBOL, "Left", true},      {RES_SYMBOL, "Up", true},
    {RES_SYMBOL, "Right", true},     {RES_SYMBOL, "Down", true},
    {RES_SYMBOL, "Left", true},      {RES_SYMBOL, "Up", true},
    {RES_SYMBOL, "Right", true},     {RES_SYMBOL, "Down", true},
    {RES_SYMBOL, "Handled", true},   {RES_SYMBOL, "Unhandled", true},
    {RES_SYMBOL, "Edit", true},      {RES_SYMBOL, "Red", true},
    {RES_SYMBOL, "Green", true},     {RES_SYMBOL, "Blue", true},
    {RES_SYMBOL, "Orange", true},    {RES_SYMBOL, "Gray", true},
    {RES_SYMBOL, "Full", false},     {RES_SYMBOL, "ExitFull", false},
    {RES_GRAPHIC, "Map", false},     {RES_GRAPHIC, "InView", false},
    {RES_GRAPHIC, "InUse", false},
};

const std::string* const ResourceRoots[] = {&Constants::ResourceRootWidget, &Constants::ResourceRootSymbol,
                                            &Constants::ResourceRootGraphic, &Constants::ResourceRootImages,
                                            &Constants::ResourceRootSounds};
constexpr int ResourceRootCount = sizeof(ResourceRoots) / sizeof(ResourceRoots[0]);

void logRefusal(const char* operation, const char* what, int value)
{
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_ERROR, operation, 0, "%s %d is outside the table", what,
                                                        value);
}

} // namespace

ResourceImage::ResourceImage()
{
    m_entries.reserve(BaseEntryCount);
    for (const SBaseImage& image : BaseImages)
        m_entries.emplace_back(image.kind, image.name);
}

ResourceImage::~ResourceImage() = default;

void ResourceImage::setTheme(int theme)
{
    for (int i = 0; i < BaseEntryCount; ++i) {
        if (BaseImages[i].themed)
            m_entries[i].theme = static_cast<uint32_t>(theme);
    }
}

const CResource& ResourceImage::entry(int index) const
{
    static const CResource NoEntry;
    if (index >= 0 && index < entryCount())
        return m_entries[index];
    logRefusal("ResourceImage::entry", "Image entry", index);
    return NoEntry;
}

std::string ResourceImage::getThemeFolder(const CResource& entry)
{
    std::string folder;
    if (entry.kind <= RES_IMAGES) {
        switch (entry.theme) {
        case THEME_DAY_WHITE:
            if (entry.plainDayWhite == 0)
                folder = "DayWhite/";
            break;
        case THEME_DAY_BLACK: folder = "DayBlack/"; break;
        case THEME_DUSK: folder = "Dusk/"; break;
        case THEME_NIGHT: folder = "Night/"; break;
        default: break;
        }
    }
    return folder + entry.name;
}

std::string ResourceImage::buildImagePath(int root, const std::string& group, const std::string& folder,
                                          const std::string& themedName, int state)
{
    if (root < 0 || root >= ResourceRootCount) {
        logRefusal("ResourceImage::buildImagePath", "Resource root", root);
        return std::string();
    }
    std::string path = ":/" + group + *ResourceRoots[root] + group + folder + themedName;
    if (state == StateHover)
        path += "_Hover";
    return path + ".png";
}

std::string ResourceImage::groupEntryPath(const char* operation, int root, const std::string& group,
                                          const std::string& folder, int first, int count, int index, int state) const
{
    if (index < 0 || index >= count) {
        logRefusal(operation, "Image index", index);
        return std::string();
    }
    return buildImagePath(root, group, folder, getThemeFolder(m_entries[first + index]), state);
}

// Only the rows that have a size folder exist: a further row would read the next group's entries.
std::string ResourceImage::rowEntryPath(const char* operation, const SRowGroup& images, int row, int index,
                                        int state) const
{
    if (row < 0 || row >= static_cast<int>(images.rowFolders.size())) {
        logRefusal(operation, "Image row", row);
        return std::string();
    }
    const int rowFirst = images.first + row * images.perRow;
    return groupEntryPath(operation, RES_WIDGET, images.group, images.rowFolders[row], rowFirst, images.perRow, index,
                          state);
}

// The window controls' entries carry the symbol kind, but their files lie under the widget root.
std::string ResourceImage::getWinCtrlIconPath(int row, WG_WINCTRL_S control, int state) const
{
    static const SRowGroup images{"WinCtrl", IMG_WIN_CTRL, 2, {"/A20/"}};
    return rowEntryPath("getWinCtrlIconPath", images, row, control, state);
}

std::string ResourceImage::getSpinBoxIconPath(int row, int index) const
{
    static const SRowGroup images{"SpinBox", IMG_SPIN_BOX, 2, {"/A12Gray/"}};
    return rowEntryPath("getSpinBoxIconPath", images, row, index);
}

std::string ResourceImage::getComboBoxIconPath(int row, int index) const
{
    static const SRowGroup images{"ComboBox", IMG_COMBO_BOX, 1, {"/A16Gray/"}};
    return rowEntryPath("getComboBoxIconPath", images, row, index);
}

std::string ResourceImage::getCheckBoxIconPath(int row, int index) const
{
    static const SRowGroup images{"CheckBox", IMG_CHECK_BOX, 2, {"/A20Gray/", "/B32Blue/"}};
    return rowEntryPath("getCheckBoxIconPath", images, row, index);
}

std::string ResourceImage::getEditIconPath(int row, int index) const
{
    static const SRowGroup images{"Edit", IMG_EDIT, 1, {"/A16Gray/"}};
    return rowEntryPath("getEditIconPath", images, row, index);
}

std::string ResourceImage::getHeaderViewIconPath(int row, int index) const
{
    static const SRowGroup images{"HeaderView", IMG_HEADER_VIEW, 2, {"/A16Gray/"}};
    return rowEntryPath("getHeaderViewIconPath", images, row, index);
}
