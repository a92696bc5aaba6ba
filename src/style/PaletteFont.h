#pragma once

#include <cstdint>
#include <string>

// The process-wide font setting. The scaled sizes always follow from the base size and the zoom:
// scaled size i = (base size x ScaleFactors[i]) x zoom + 0.5, truncated, at most 255.
struct PALETTE_FONT
{
    static constexpr int StandardCount = 13;
    static constexpr int ScaledCount = 7;
    static constexpr double ScaleFactors[ScaledCount] = {0.5, 0.7, 0.8, 1.0, 1.15, 1.4, 1.7};

    std::string family = "Tahoma";
    uint8_t standardSizes[StandardCount] = {4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 30};
    uint8_t baseSize = 12;
    double zoom = 1.0;
    uint8_t scaledSizes[ScaledCount] = {6, 8, 10, 12, 14, 17, 20};
};
