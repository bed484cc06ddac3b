#include "icon_svg.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace fenx::sheet {
namespace {

struct Box {
    int x;
    int y;
    int width;
    int height;
    uint32_t colour;
};

uint32_t ColourAt(const RgbaImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 4;
    if (image.pixels[at + 3] == 0) {
        return 0xFFFFFFFFu; // transparent: not drawn
    }
    return static_cast<uint32_t>(image.pixels[at]) << 16 |
           static_cast<uint32_t>(image.pixels[at + 1]) << 8 | image.pixels[at + 2];
}

} // namespace

std::string EncodeSvg(const RgbaImage& image) {
    // Runs of one colour along each row; a run that repeats the one right
    // above it (same place, width and colour) makes that box taller.
    std::vector<Box> boxes;
    std::vector<int> above; // indices into boxes of the previous row's runs
    for (int y = 0; y < image.height; ++y) {
        std::vector<int> row;
        for (int x = 0; x < image.width;) {
            const uint32_t colour = ColourAt(image, x, y);
            int end = x + 1;
            while (end < image.width && ColourAt(image, end, y) == colour) {
                ++end;
            }
            if (colour != 0xFFFFFFFFu) {
                int extended = -1;
                for (int i : above) {
                    const Box& b = boxes[static_cast<std::size_t>(i)];
                    if (b.x == x && b.width == end - x && b.colour == colour &&
                        b.y + b.height == y) {
                        extended = i;
                    }
                }
                if (extended >= 0) {
                    ++boxes[static_cast<std::size_t>(extended)].height;
                    row.push_back(extended);
                } else {
                    boxes.push_back({x, y, end - x, 1, colour});
                    row.push_back(static_cast<int>(boxes.size()) - 1);
                }
            }
            x = end;
        }
        above = row;
    }

    char line[128];
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    std::snprintf(line, sizeof line,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                  "viewBox=\"0 0 %d %d\" shape-rendering=\"crispEdges\">\n",
                  image.width, image.height);
    svg += line;
    for (const Box& b : boxes) {
        std::snprintf(line, sizeof line,
                      "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#%06X\"/>\n", b.x,
                      b.y, b.width, b.height, static_cast<unsigned>(b.colour));
        svg += line;
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace fenx::sheet
