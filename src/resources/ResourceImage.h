#pragma once

#include "resources/CResource.h"

#include <string>
#include <vector>

// The widget library's image name table. Paths are composed from an entry, its group,
// a size or colour folder and a widget state; code never spells a path out.
class ResourceImage
{
public:
    static constexpr int BaseEntryCount = 35;
    static constexpr int StateHover = 4;

    // First entries of the groups that path operations read.
    enum BASE_IMAGE_S : int {
        IMG_WIN_CTRL = 0,
        IMG_CHECK_BOX = 2,
        IMG_COMBO_BOX = 6,
        IMG_EDIT = 7,
        IMG_SPIN_BOX = 8,
        IMG_HEADER_VIEW = 10,
        IMG_LED = 25,
        IMG_EXTENSION = 30,
        IMG_SATELLITE = 32
    };

    // The window controls of a row.
    enum WG_WINCTRL_S : int { WG_WINCTRL_CLOSE = 0, WG_WINCTRL_MINI = 1 };

    ResourceImage();
    virtual ~ResourceImage();

    // Stamps the theme into the entries that have themed files.
    virtual void setTheme(int theme);

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    // An index outside the table logs and gives an entry without a name.
    const CResource& entry(int index) const;

    // Images of the standard widgets' sheets, by row (size folder) and index within the row.
    // A row or index outside the table logs and gives an empty path. State StateHover gives the
    // hover image of a window control.
    std::string getWinCtrlIconPath(int row, WG_WINCTRL_S control, int state) const;
    std::string getSpinBoxIconPath(int row, int index) const;
    std::string getComboBoxIconPath(int row, int index) const;
    std::string getCheckBoxIconPath(int row, int index) const;
    std::string getEditIconPath(int row, int index) const;
    std::string getHeaderViewIconPath(int row, int index) const;

    static std::string getThemeFolder(const CResource& entry);
    static std::string buildImagePath(int root, const std::string& group, const std::string& folder,
                                      const std::string& themedName, int state);

protected:
    // Path of entry first + index of a group of count entries; an index outside the group
    // logs and gives an empty path, which makes an empty icon.
    std::string groupEntryPath(const char* operation, int root, const std::string& group, const std::string& folder,
                               int first, int count, int index, int state = 0) const;

    std::vector<CResource> m_entries;

private:
    // A group under the widget root whose rows each hold perRow entries in their own size folder.
    struct SRowGroup
    {
        const char* group;
        int first;
        int perRow;
        std::vector<std::string> rowFolders;
    };
    std::string rowEntryPath(const char* operation, const SRowGroup& images, int row, int index, int state = 0) const;
};
