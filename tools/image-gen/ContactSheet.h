#pragma once

#include "ImageCatalog.h"

#include <QString>
#include <vector>

// One picture of every drawn image, enlarged, with its path, for looking them over.
bool writeContactSheet(const QString& outputDir, const std::vector<SImageFile>& files, const QString& sheetPath);
