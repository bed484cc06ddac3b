// The scalable application icon: the 64-pixel icon as rectangles of one
// colour each, so it scales to any size with the same crisp block shading.
#pragma once

#include <string>

#include "png_writer.h"

namespace fenx::sheet {

// The picture (opaque pixels only) as an SVG document; the same picture
// always gives the same text.
std::string EncodeSvg(const RgbaImage& image);

} // namespace fenx::sheet
