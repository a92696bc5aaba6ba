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
    enum BASE_IMAGE_S : int { IMG_LED = 25, IMG_EXTENSION = 30, IMG_SATELLITE = 32 };

    ResourceImage();
    virtual ~ResourceImage();

    // Stamps the theme into the entries that have themed files.
    virtual void setTheme(int theme);

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    // An index outside the table logs and gives an entry without a name.
    const CResource& entry(int index) const;

    static std::string getThemeFolder(const CResource& entry);
    static std::string buildImagePath(int root, const std::string& group, const std::string& folder,
                                      const std::string& themedName, int state);

protected:
    // Path of entry first + index of a group of count entries; an index outside the group
    // logs and gives an empty path, which makes an empty icon.
    std::string groupEntryPath(const char* operation, int root, const std::string& group, const std::string& folder,
                               int first, int count, int index) const;

    std::vector<CResource> m_entries;
};
