#include "widgets/ImageBlur.h"

#include <QImage>
#include <cstdint>
#include <vector>

namespace ImageBlur {

namespace {

constexpr int Passes = 3;

// Running sums of the four channels of a premultiplied pixel.
struct ChannelSums
{
    uint32_t value[4] = {};

    void add(QRgb pixel)
    {
        for (int c = 0; c < 4; ++c)
            value[c] += (pixel >> (8 * c)) & 0xFF;
    }

    void remove(QRgb pixel)
    {
        for (int c = 0; c < 4; ++c)
            value[c] -= (pixel >> (8 * c)) & 0xFF;
    }

    // Rounded means: a colour sum never passes its alpha sum, so the result stays premultiplied.
    QRgb mean(uint32_t count) const
    {
        QRgb pixel = 0;
        for (int c = 0; c < 4; ++c)
            pixel |= ((value[c] + count / 2) / count) << (8 * c);
        return pixel;
    }
};

// Each pixel of one line (every stride-th pixel from first) becomes the mean of the window of
// 2 × half + 1 pixels centred on it.
void boxLine(QRgb* first, int length, int stride, int half, std::vector<QRgb>& line)
{
    line.resize(size_t(length));
    for (int i = 0; i < length; ++i)
        line[size_t(i)] = first[i * stride];
    const uint32_t window = uint32_t(2 * half + 1);
    ChannelSums sums;
    for (int i = 0; i <= half && i < length; ++i)
        sums.add(line[size_t(i)]);
    for (int i = 0; i < length; ++i) {
        first[i * stride] = sums.mean(window);
        if (i + half + 1 < length)
            sums.add(line[size_t(i + half + 1)]);
        if (i - half >= 0)
            sums.remove(line[size_t(i - half)]);
    }
}

} // namespace

void blur(QImage& image, int radius)
{
    if (radius <= 0 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Three passes of this half width reach about the radius on each side.
    const int half = (radius + 2) / 3;
    const int width = image.width();
    const int height = image.height();
    const int stride = image.bytesPerLine() / int(sizeof(QRgb));
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    std::vector<QRgb> line;
    for (int pass = 0; pass < Passes; ++pass) {
        for (int y = 0; y < height; ++y)
            boxLine(pixels + y * stride, width, 1, half, line);
        for (int x = 0; x < width; ++x)
            boxLine(pixels + x, height, stride, half, line);
    }
}

} // namespace ImageBlur
