#pragma once

class QImage;

namespace ImageBlur {

// Blurs colour and alpha alike with three box passes each way, together close to a Gaussian
// that reaches about the radius. Pixels outside the image count as transparent. The image ends
// up premultiplied ARGB32. A radius of 0 or less leaves it as it is.
void blur(QImage& image, int radius);

} // namespace ImageBlur
