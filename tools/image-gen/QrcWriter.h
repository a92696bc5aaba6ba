#pragma once

#include "ImageCatalog.h"

#include <QString>
#include <vector>

// Writes one collection file per collection into the output folder, listing its files by prefix.
bool writeCollections(const QString& outputDir, const std::vector<SImageFile>& files);
