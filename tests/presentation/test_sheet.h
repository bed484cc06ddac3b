// Synthetic sprite sheets for the drawing tests. Their pixels say where they
// came from: in tile (c, r) the top row alternates c + 1 and r + 1, and
// every other pixel takes a value that differs at each place inside the
// tile, so a test can tell which tile, and which part of it, landed where.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "presentation/indexed_surface.h"
#include "presentation/sheet_layout.h"
#include "presentation/sprite_sheet.h"

namespace fenx::testing {

using PixelFunction = std::function<uint8_t(int x, int y)>;

// Never 0: every pixel opaque.
uint8_t PatternPixel(int x, int y);
// The same with holes (value 0) on every third diagonal of each tile.
uint8_t HoledPatternPixel(int x, int y);

// A complete sheet file (headers, colour table, bottom-up rows).
std::vector<uint8_t> MakeSheetFile(const PixelFunction& pixel);

// Keeps the bytes alive together with the view over them.
struct TestSheet {
    explicit TestSheet(const PixelFunction& pixel = PatternPixel);
    TestSheet(const TestSheet&) = delete; // the view points into `bytes`
    TestSheet& operator=(const TestSheet&) = delete;
    std::vector<uint8_t> bytes;
    SpriteSheet sheet;
};

// Colour-table entry i of test sheets, as 0xAARRGGBB.
uint32_t TestSheetColour(int i);

// True when the 16 x 16 square of `surface` at (x, y) shows `tile` of the
// sheet: every non-zero sheet pixel is there, and where the tile is
// transparent the surface holds `under`.
bool ShowsTile(const OffscreenSurface& surface, int x, int y, const SpriteSheet& sheet,
               SheetTile tile, uint8_t under = 0);

// Whether the pixels of two surfaces of the same size are all equal.
bool SamePixels(const OffscreenSurface& a, const OffscreenSurface& b);

} // namespace fenx::testing
