// The committed sprite sheet resources/fenx00.bmp: the file format the game
// loads in place, the colour slots it may use, and the places and looks the
// drawing code relies on (opaque tiles, the joining rule of the block tiles,
// the font cells, the dotted outlines).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/shapes.h"
#include "presentation/glyph.h"
#include "presentation/sheet_layout.h"

#ifndef FENX_RESOURCE_DIR
#error "FENX_RESOURCE_DIR must name the resources folder"
#endif

namespace fenx {
namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 512;
constexpr std::size_t kPixelOffset = 14 + 40 + 1024;

struct Colour {
    int r;
    int g;
    int b;
};

int Luma(Colour c) {
    return (c.r * 299 + c.g * 587 + c.b * 114) / 1000;
}

class SheetFile {
  public:
    SheetFile() {
        std::ifstream in(std::string(FENX_RESOURCE_DIR) + "/fenx00.bmp", std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    bool complete() const { return bytes_.size() == kPixelOffset + kWidth * kHeight; }
    uint32_t u16(std::size_t at) const { return bytes_[at] | (bytes_[at + 1] << 8); }
    uint32_t u32(std::size_t at) const { return u16(at) | (u16(at + 2) << 16); }
    Colour colour(int index) const {
        const std::size_t at = 54 + static_cast<std::size_t>(index) * 4;
        return {bytes_[at + 2], bytes_[at + 1], bytes_[at]};
    }
    // Pixel (x, y) with y counted from the top; rows are stored bottom-up.
    uint8_t pixel(int x, int y) const {
        return bytes_[kPixelOffset + static_cast<std::size_t>(kHeight - 1 - y) * kWidth +
                      static_cast<std::size_t>(x)];
    }
    uint8_t tilePixel(SheetTile tile, int x, int y) const {
        return pixel(tile.column * kTileSize + x, tile.row * kTileSize + y);
    }
    Colour tileColour(SheetTile tile, int x, int y) const { return colour(tilePixel(tile, x, y)); }

  private:
    std::vector<uint8_t> bytes_;
};

class SpriteSheetFile : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { sheet_ = new SheetFile(); }
    static void TearDownTestSuite() {
        delete sheet_;
        sheet_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(sheet_->complete()) << "fenx00.bmp is missing or cut short";
    }
    const SheetFile& sheet() const { return *sheet_; }

    bool tileHasTransparent(SheetTile tile) const {
        for (int y = 0; y < kTileSize; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                if (sheet().tilePixel(tile, x, y) == 0) {
                    return true;
                }
            }
        }
        return false;
    }

  private:
    static inline SheetFile* sheet_ = nullptr;
};

TEST_F(SpriteSheetFile, HeadersDescribeAnUncompressedBottomUp256ColourBitmap) {
    const SheetFile& s = sheet();
    EXPECT_EQ(s.bytes()[0], 'B');
    EXPECT_EQ(s.bytes()[1], 'M');
    EXPECT_EQ(s.u32(2), s.bytes().size());
    EXPECT_EQ(s.u32(6), 0u);
    EXPECT_EQ(s.u32(10), kPixelOffset);
    EXPECT_EQ(s.u32(14), 40u);
    EXPECT_EQ(s.u32(18), 256u);
    EXPECT_EQ(s.u32(22), 512u);
    EXPECT_EQ(s.u16(26), 1u);
    EXPECT_EQ(s.u16(28), 8u);
    for (std::size_t at = 30; at < 54; at += 4) {
        EXPECT_EQ(s.u32(at), 0u) << "info header field at byte " << at;
    }
}

TEST_F(SpriteSheetFile, ArtworkColoursLieOnlyInSlots11To68) {
    const SheetFile& s = sheet();
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(s.bytes()[54 + i * 4 + 3], 0) << "reserved byte of colour " << i;
        if (i < 11 || i > 68) {
            const Colour c = s.colour(i);
            EXPECT_TRUE(c.r == 0 && c.g == 0 && c.b == 0) << "colour " << i << " is not black";
        }
    }
    // Every artwork slot carries its own colour: no two are near-duplicates.
    for (int i = 11; i <= 68; ++i) {
        for (int j = i + 1; j <= 68; ++j) {
            const Colour a = s.colour(i);
            const Colour b = s.colour(j);
            const int distance = std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            EXPECT_GE(distance, 12) << "colours " << i << " and " << j;
        }
    }
    int pixelsOutsideArt = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int v = s.pixel(x, y);
            pixelsOutsideArt += v != 0 && (v < 11 || v > 68);
        }
    }
    EXPECT_EQ(pixelsOutsideArt, 0);
}

TEST_F(SpriteSheetFile, NothingIsDrawnOutsideTheUsedRegions) {
    auto used = [](int x, int y) {
        const int column = x / kTileSize;
        const int row = y / kTileSize;
        const bool frameAndBackgrounds = (row == 2 || row == 3) && column <= 8;
        const bool title = x >= 144 && y < 64;
        const bool colourBlocks = row >= 4 && row <= 13;
        const bool font = x < 170 && y >= 224 && y < 296;
        const bool outlines = row >= 27 && row <= 31;
        return frameAndBackgrounds || title || colourBlocks || font || outlines;
    };
    int stray = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            stray += !used(x, y) && sheet().pixel(x, y) != 0;
        }
    }
    EXPECT_EQ(stray, 0);
}

TEST_F(SpriteSheetFile, FrameBackgroundAndBlockTilesAreOpaque) {
    for (int column = 0; column <= 8; ++column) {
        for (int row = 2; row <= 3; ++row) {
            EXPECT_FALSE(tileHasTransparent({column, row})) << column << "," << row;
        }
    }
    for (SheetTile base : KindTileBase) {
        for (int dy = 0; dy < 5; ++dy) {
            for (int dx = 0; dx < 4; ++dx) {
                EXPECT_FALSE(tileHasTransparent(base + SheetTile{dx, dy}))
                    << base.column + dx << "," << base.row + dy;
            }
        }
    }
}

// The edge pieces repeat along the field; a corner must continue them, so its
// last column (or row) towards the edge equals the edge piece's own. The two
// pixels at either end belong to the rims, which turn inside the corner.
TEST_F(SpriteSheetFile, FrameCornersContinueTheEdgePieces) {
    const SheetFile& s = sheet();
    for (int i = 2; i < kTileSize - 2; ++i) {
        EXPECT_EQ(s.tilePixel(kFrameTopLeft, 15, i), s.tilePixel(kFrameHorizontal, 15, i));
        EXPECT_EQ(s.tilePixel(kFrameBottomLeft, 15, i), s.tilePixel(kFrameHorizontal, 15, i));
        EXPECT_EQ(s.tilePixel(kFrameTopRight, 0, i), s.tilePixel(kFrameHorizontal, 0, i));
        EXPECT_EQ(s.tilePixel(kFrameBottomRight, 0, i), s.tilePixel(kFrameHorizontal, 0, i));
        EXPECT_EQ(s.tilePixel(kFrameTopLeft, i, 15), s.tilePixel(kFrameVertical, i, 15));
        EXPECT_EQ(s.tilePixel(kFrameTopRight, i, 15), s.tilePixel(kFrameVertical, i, 15));
        EXPECT_EQ(s.tilePixel(kFrameBottomLeft, i, 0), s.tilePixel(kFrameVertical, i, 0));
        EXPECT_EQ(s.tilePixel(kFrameBottomRight, i, 0), s.tilePixel(kFrameVertical, i, 0));
    }
}

// Pieces must stay readable on every background: a background tile keeps
// its colours close together and well below the brightness of any block face.
TEST_F(SpriteSheetFile, BackgroundsAreQuietAndDarkerThanTheBlocks) {
    int darkestFace = 255;
    for (SheetTile base : KindTileBase) {
        darkestFace = std::min(darkestFace, Luma(sheet().tileColour(base, 8, 8)));
    }
    for (int column = 3; column <= 8; ++column) {
        for (int row = 2; row <= 3; ++row) {
            int low = 255;
            int high = 0;
            for (int y = 0; y < kTileSize; ++y) {
                for (int x = 0; x < kTileSize; ++x) {
                    const int luma = Luma(sheet().tileColour({column, row}, x, y));
                    low = std::min(low, luma);
                    high = std::max(high, luma);
                }
            }
            EXPECT_LE(high - low, 32) << "background " << column << "," << row;
            EXPECT_LE(high + 20, darkestFace) << "background " << column << "," << row;
        }
    }
}

TEST_F(SpriteSheetFile, TitleLetteringIsOpaqueInsideATransparentMargin) {
    int opaque = 0;
    int transparent = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 144; x < 256; ++x) {
            const bool edge = y == 0 || y == 63 || x == 144 || x == 255;
            const bool clear = sheet().pixel(x, y) == 0;
            if (edge) {
                EXPECT_TRUE(clear) << "title margin at " << x << "," << y;
            }
            (clear ? transparent : opaque) += 1;
        }
    }
    EXPECT_GT(opaque, 112 * 64 / 5);
    EXPECT_GT(transparent, 112 * 64 / 5);
}

// Each colour sits where the kinds expect it: the face colour's channels
// rank the way the kind's colour name says.
TEST_F(SpriteSheetFile, ColourBlocksCarryTheKindsColours) {
    auto face = [&](int colour) { return sheet().tileColour(KindTileBase[colour], 8, 8); };
    const Colour yellow = face(0), red = face(1), orange = face(2), blue = face(3);
    const Colour magenta = face(4), green = face(5), cyan = face(6), white = face(7);
    EXPECT_TRUE(yellow.r > yellow.b + 100 && yellow.g > yellow.b + 100);
    EXPECT_TRUE(red.r > red.g + 100 && red.r > red.b + 100);
    EXPECT_TRUE(orange.r > orange.g + 40 && orange.g > orange.b + 40);
    EXPECT_TRUE(blue.b > blue.r + 100 && blue.b > blue.g + 100);
    EXPECT_TRUE(magenta.r > magenta.g + 100 && magenta.b > magenta.g + 100);
    EXPECT_TRUE(green.g > green.r + 100 && green.g > green.b + 100);
    EXPECT_TRUE(cyan.g > cyan.r + 100 && cyan.b > cyan.r + 100);
    EXPECT_GT(Luma(white), 190);
    EXPECT_GT(Luma(yellow) - 20, Luma(orange));
}

// Which neighbours of the same piece each tile of a colour block stands
// for: up, right, down, left.
struct Joins {
    SheetTile offset;
    bool up, right, down, left;
};
constexpr std::array<Joins, 19> kJoins = {{
    {{1, 0}, false, false, false, false}, {{2, 0}, false, false, true, false},
    {{3, 0}, false, false, false, true},  {{0, 1}, false, true, false, true},
    {{1, 1}, true, false, true, false},   {{2, 1}, false, true, false, false},
    {{3, 1}, true, false, false, false},  {{0, 2}, false, true, true, false},
    {{1, 2}, false, false, true, true},   {{0, 3}, true, true, false, false},
    {{1, 3}, true, false, false, true},   {{2, 2}, false, true, true, false},
    {{3, 2}, false, false, true, true},   {{2, 3}, true, true, false, false},
    {{3, 3}, true, false, false, true},   {{0, 4}, true, true, false, true},
    {{1, 4}, true, true, true, false},    {{2, 4}, false, true, true, true},
    {{3, 4}, true, false, true, true},
}};

// A rim is lit along the outer top and left, shaded along the outer bottom
// and right; where a cell of the same piece follows, the face runs on.
TEST_F(SpriteSheetFile, BlockTilesHaveRimsOnlyWhereThePieceEnds) {
    for (int colour = 0; colour < kColourCount; ++colour) {
        const SheetTile base = KindTileBase[colour];
        const int faceIndex = sheet().tilePixel(base, 8, 8);
        const int face = Luma(sheet().colour(faceIndex));
        for (const Joins& j : kJoins) {
            const SheetTile tile = base + j.offset;
            for (int i = 4; i < 12; ++i) {
                const int top = sheet().tilePixel(tile, i, 0);
                const int bottom = sheet().tilePixel(tile, i, 15);
                const int left = sheet().tilePixel(tile, 0, i);
                const int right = sheet().tilePixel(tile, 15, i);
                SCOPED_TRACE(::testing::Message() << "colour " << colour << " tile "
                                                  << j.offset.column << "," << j.offset.row);
                if (j.up) {
                    EXPECT_EQ(top, faceIndex);
                } else {
                    EXPECT_GT(Luma(sheet().colour(top)), face);
                }
                if (j.left) {
                    EXPECT_EQ(left, faceIndex);
                } else {
                    EXPECT_GT(Luma(sheet().colour(left)), face);
                }
                if (j.down) {
                    EXPECT_EQ(bottom, faceIndex);
                } else {
                    EXPECT_LT(Luma(sheet().colour(bottom)), face);
                }
                if (j.right) {
                    EXPECT_EQ(right, faceIndex);
                } else {
                    EXPECT_LT(Luma(sheet().colour(right)), face);
                }
            }
        }
    }
}

// The square piece is one plain 2 x 2 square; the bends of the other pieces
// mark their inner corner so the outline turns there.
TEST_F(SpriteSheetFile, BendsMarkTheirInnerCornerAndTheSquareDoesNot) {
    for (int colour = 0; colour < kColourCount; ++colour) {
        const SheetTile base = KindTileBase[colour];
        const int face = sheet().tilePixel(base, 8, 8);
        EXPECT_EQ(sheet().tilePixel(base + SheetTile{0, 2}, 15, 15), face);
        EXPECT_EQ(sheet().tilePixel(base + SheetTile{1, 2}, 0, 15), face);
        EXPECT_EQ(sheet().tilePixel(base + SheetTile{0, 3}, 15, 0), face);
        EXPECT_EQ(sheet().tilePixel(base + SheetTile{1, 3}, 0, 0), face);
        EXPECT_NE(sheet().tilePixel(base + SheetTile{2, 2}, 15, 15), face);
        EXPECT_NE(sheet().tilePixel(base + SheetTile{3, 2}, 0, 15), face);
        EXPECT_NE(sheet().tilePixel(base + SheetTile{2, 3}, 15, 0), face);
        EXPECT_NE(sheet().tilePixel(base + SheetTile{3, 3}, 0, 0), face);
    }
}

// Composing every orientation from the game's tile table: where two cells of
// a piece meet, both sides of the seam are face colour away from the corners.
TEST_F(SpriteSheetFile, EveryOrientationJoinsIntoOneShape) {
    for (int o = 0; o < kOrientationCount; ++o) {
        for (int colour = 0; colour < kColourCount; ++colour) {
            const int face = sheet().tilePixel(KindTileBase[colour], 8, 8);
            for (int a = 0; a < 4; ++a) {
                for (int b = 0; b < 4; ++b) {
                    const CellOffset ca = ShapeTable[o][a];
                    const CellOffset cb = ShapeTable[o][b];
                    const SheetTile ta = BlockCellTile(o, a, colour, false);
                    const SheetTile tb = BlockCellTile(o, b, colour, false);
                    for (int i = 3; i < 13; ++i) {
                        if (cb.dx == ca.dx + 1 && cb.dy == ca.dy) {
                            EXPECT_EQ(sheet().tilePixel(ta, 15, i), face) << "o " << o;
                            EXPECT_EQ(sheet().tilePixel(tb, 0, i), face) << "o " << o;
                        }
                        if (cb.dy == ca.dy + 1 && cb.dx == ca.dx) {
                            EXPECT_EQ(sheet().tilePixel(ta, i, 15), face) << "o " << o;
                            EXPECT_EQ(sheet().tilePixel(tb, i, 0), face) << "o " << o;
                        }
                    }
                }
            }
        }
    }
}

TEST_F(SpriteSheetFile, FontCellsHoldTheirGlyphs) {
    auto opaqueIn = [&](PixelRect r) {
        int count = 0;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                count += sheet().pixel(x, y) != 0;
            }
        }
        return count;
    };
    EXPECT_EQ(opaqueIn(*GlyphRect(' ')), 0);
    for (int ch = 33; ch <= 126; ++ch) {
        EXPECT_GT(opaqueIn(*GlyphRect(ch)), 4) << "character " << ch;
    }
    // Columns that two glyph rectangles share must stay empty, or one
    // letter would carry a stray mark of its neighbour.
    for (auto [first, second] : {std::pair{'U', 'V'}, std::pair{'V', 'W'}, std::pair{'M', 'N'}}) {
        const PixelRect a = *GlyphRect(first);
        const PixelRect b = *GlyphRect(second);
        for (int x = std::max(a.x, b.x); x < std::min(a.x + a.width, b.x + b.width); ++x) {
            EXPECT_EQ(opaqueIn({x, a.y, 1, a.height}), 0) << first << second << " column " << x;
        }
    }
}

// The solved message is drawn 8 pixels a letter; no letter may paint over
// the one before it.
TEST_F(SpriteSheetFile, MessageLettersDoNotOverlapAtTheTextAdvance) {
    const std::string message = "Congratulations!";
    for (std::size_t j = 0; j + 1 < message.size(); ++j) {
        const PixelRect a = *GlyphRect(message[j]);
        const PixelRect b = *GlyphRect(message[j + 1]);
        for (int y = 0; y < kGlyphHeight; ++y) {
            for (int x = 0; x < a.width; ++x) {
                const int bx = x - kTextAdvance;
                if (bx < 0 || bx >= b.width) {
                    continue;
                }
                const bool both =
                    sheet().pixel(a.x + x, a.y + y) != 0 && sheet().pixel(b.x + bx, b.y + y) != 0;
                EXPECT_FALSE(both) << message[j] << message[j + 1] << " at " << x << "," << y;
            }
        }
    }
}

// Dotted outlines: only along the sides where the piece ends, clear in the
// middle of the cell so the block shows through.
TEST_F(SpriteSheetFile, OutlineTilesDrawOnlyAlongOpenSides) {
    for (int phase = 0; phase < kOutlinePhaseCount; ++phase) {
        const SheetTile base = kOutlineBase + SheetTile{4 * phase, 0};
        for (const Joins& j : kJoins) {
            const SheetTile tile = base + j.offset;
            SCOPED_TRACE(::testing::Message() << "phase " << phase << " tile " << j.offset.column
                                              << "," << j.offset.row);
            for (int y = 3; y < 13; ++y) {
                for (int x = 3; x < 13; ++x) {
                    EXPECT_EQ(sheet().tilePixel(tile, x, y), 0);
                }
            }
            EXPECT_EQ(sheet().tilePixel(tile, 7, 0) != 0, !j.up);
            EXPECT_EQ(sheet().tilePixel(tile, 15, 7) != 0, !j.right);
            EXPECT_EQ(sheet().tilePixel(tile, 7, 15) != 0, !j.down);
            EXPECT_EQ(sheet().tilePixel(tile, 0, 7) != 0, !j.left);
        }
    }
}

// Phase by phase the dots move on by the same step, and after the fourth
// phase they are back where they started, so the march loops smoothly.
TEST_F(SpriteSheetFile, OutlineDotsMarchByOneStepPerPhase) {
    auto topRow = [&](int phase, int x) {
        return sheet().tilePixel(kOutlineBase + SheetTile{4 * phase + 1, 0}, x, 0);
    };
    int step = 0;
    for (int s = 1; s < kTileSize && step == 0; ++s) {
        bool matches = true;
        for (int x = 0; x < kTileSize; ++x) {
            matches = matches && topRow(1, x) == topRow(0, (x - s + kTileSize) % kTileSize);
        }
        step = matches ? s : 0;
    }
    ASSERT_GT(step, 0) << "phase 1 is no shifted copy of phase 0";
    for (int phase = 0; phase < kOutlinePhaseCount; ++phase) {
        const int next = (phase + 1) % kOutlinePhaseCount;
        for (int x = 0; x < kTileSize; ++x) {
            EXPECT_EQ(topRow(next, x), topRow(phase, (x - step + kTileSize) % kTileSize))
                << "phase " << phase << " x " << x;
        }
    }
}

} // namespace
} // namespace fenx
