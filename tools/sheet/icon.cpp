#include "icon.h"

#include "block_tiles.h"
#include "cell_edges.h"

namespace fenx::sheet {

namespace {

// Which piece covers each cell (colour-block index), row by row: an orange
// L, a yellow square, a blue J and a red bar, interlocked.
constexpr std::array<std::array<int, 4>, 4> kIconCells = {{
    {2, 2, 2, 1},
    {2, 0, 0, 1},
    {3, 0, 0, 1},
    {3, 3, 3, 1},
}};

bool Same(int colour, int column, int row) {
    return column >= 0 && column < 4 && row >= 0 && row < 4 && kIconCells[row][column] == colour;
}

Neighbours NeighboursOf(int column, int row) {
    const int c = kIconCells[row][column];
    return NeighboursIn([c](int x, int y) { return Same(c, x, y); }, column, row);
}

} // namespace

RgbaImage RenderIcon(int size, const std::array<Rgb, 256>& palette) {
    RgbaImage image;
    image.width = size;
    image.height = size;
    image.pixels.assign(static_cast<std::size_t>(size) * size * 4, 0);
    const int cell = size / 4;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const Neighbours n = NeighboursOf(column, row);
            const int colour = kIconCells[row][column];
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    const Rgb rgb =
                        palette[static_cast<std::size_t>(BlockPixel(colour, n, x, y, cell))];
                    const std::size_t at =
                        (static_cast<std::size_t>(row * cell + y) * size + column * cell + x) * 4;
                    image.pixels[at] = rgb.r;
                    image.pixels[at + 1] = rgb.g;
                    image.pixels[at + 2] = rgb.b;
                    image.pixels[at + 3] = 255;
                }
            }
        }
    }
    return image;
}

} // namespace fenx::sheet
