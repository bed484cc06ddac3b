// Where things lie on the sprite sheet. Tiles are 16 x 16 squares named by
// (column, row): tile (c, r) is the square at pixel (16c, 16r).
#pragma once

#include <array>

#include "core/geometry.h"
#include "core/shapes.h"

namespace fenx {

// A sheet tile covers one field cell.
inline constexpr int kTileSize = kCellPixels;

struct SheetTile {
    int column;
    int row;
    constexpr bool operator==(const SheetTile&) const = default;
};

constexpr SheetTile operator+(SheetTile a, SheetTile b) {
    return {a.column + b.column, a.row + b.row};
}

// A rectangle of pixels: top-left corner and size.
struct PixelRect {
    int x;
    int y;
    int width;
    int height;
    constexpr bool operator==(const PixelRect&) const = default;
};

// The field's frame.
inline constexpr SheetTile kFrameTopLeft{0, 2};
inline constexpr SheetTile kFrameTopRight{1, 2};
inline constexpr SheetTile kFrameBottomLeft{0, 3};
inline constexpr SheetTile kFrameBottomRight{1, 3};
inline constexpr SheetTile kFrameHorizontal{2, 2};
inline constexpr SheetTile kFrameVertical{2, 3};

// The logo shown on the empty field of the title screen.
inline constexpr PixelRect kTitlePicture{144, 0, 112, 64};

// Colour indices 0..6 are the block kinds; 7 is the flash of a held block.
inline constexpr int kColourCount = 8;
inline constexpr int FlashColour = 7;

// Top-left tile of the 4 x 5 tiles of each colour.
inline constexpr std::array<SheetTile, kColourCount> KindTileBase = {{
    {12, 4}, // 0 yellow
    {0, 4},  // 1 red
    {8, 9},  // 2 orange
    {4, 4},  // 3 blue
    {0, 9},  // 4 magenta
    {8, 4},  // 5 green
    {4, 9},  // 6 cyan
    {12, 9}, // 7 white: the flash
}};

// The cell edged on all four sides; every cell of a fixed block uses it.
inline constexpr SheetTile kIsolatedCellTile{1, 0};

// Per orientation, the tile of each cell (in ShapeTable cell order) inside
// its colour's 4 x 5 tiles. A cell's tile depends on which of its four
// neighbours belong to the same piece, so the piece shows as one shape.
inline constexpr std::array<std::array<SheetTile, 4>, kOrientationCount> PieceTileTable = {{
    {{{0, 2}, {1, 2}, {0, 3}, {1, 3}}}, // 0
    {{{2, 0}, {1, 1}, {1, 1}, {3, 1}}}, // 1
    {{{2, 1}, {0, 1}, {0, 1}, {3, 0}}}, // 2
    {{{2, 0}, {1, 1}, {2, 3}, {3, 0}}}, // 3
    {{{2, 2}, {3, 1}, {0, 1}, {3, 0}}}, // 4
    {{{2, 1}, {3, 2}, {1, 1}, {3, 1}}}, // 5
    {{{2, 1}, {0, 1}, {3, 3}, {2, 0}}}, // 6
    {{{2, 1}, {0, 1}, {3, 2}, {3, 1}}}, // 7
    {{{2, 1}, {3, 3}, {1, 1}, {2, 0}}}, // 8
    {{{2, 0}, {2, 3}, {0, 1}, {3, 0}}}, // 9
    {{{2, 2}, {3, 0}, {1, 1}, {3, 1}}}, // 10
    {{{2, 0}, {2, 3}, {3, 2}, {3, 1}}}, // 11
    {{{2, 1}, {3, 3}, {2, 2}, {3, 0}}}, // 12
    {{{2, 2}, {3, 1}, {3, 3}, {2, 0}}}, // 13
    {{{2, 1}, {3, 2}, {2, 3}, {3, 0}}}, // 14
    {{{2, 1}, {2, 0}, {0, 4}, {3, 0}}}, // 15
    {{{2, 0}, {1, 4}, {3, 1}, {3, 0}}}, // 16
    {{{2, 1}, {2, 4}, {3, 0}, {3, 1}}}, // 17
    {{{2, 1}, {2, 0}, {3, 4}, {3, 1}}}, // 18
}};

// The sheet tile of cell `cell` of a block.
constexpr SheetTile BlockCellTile(int orientation, int cell, int colour, bool fixed) {
    return KindTileBase[colour] + (fixed ? kIsolatedCellTile : PieceTileTable[orientation][cell]);
}

// The dotted outline of a held block: four phases of 4 x 5 tiles side by
// side from tile row 27, laid out like a colour's tiles.
inline constexpr int kOutlinePhaseCount = 4;
inline constexpr SheetTile kOutlineBase{0, 27};

constexpr SheetTile OutlineCellTile(int orientation, int cell, int phase) {
    return SheetTile{4 * phase, 0} + kOutlineBase + PieceTileTable[orientation][cell];
}

// The keyboard cursor: the dotted outline of a single cell, edged on all
// four sides, in the outline's first phase.
inline constexpr SheetTile kKeyCursorTile = kOutlineBase + kIsolatedCellTile;

// The font: character codes 32..127 in rows of 16 glyphs, 10 x 12 pixels.
inline constexpr int kFontLeft = 0;
inline constexpr int kFontTop = 224;
inline constexpr int kGlyphWidth = 10;
inline constexpr int kGlyphHeight = 12;
inline constexpr int kGlyphsPerRow = 16;
inline constexpr int kTextAdvance = 8;

} // namespace fenx
