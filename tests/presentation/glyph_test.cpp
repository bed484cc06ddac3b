#include <gtest/gtest.h>

#include <memory>

#include "presentation/glyph.h"
#include "presentation/indexed_surface.h"
#include "test_sheet.h"

namespace fenx {
namespace {

using testing::TestSheet;

TEST(GlyphRect, FollowsTheGridOfTenByTwelve) {
    // '!' is the second glyph of the first row, '0' the first of the second.
    EXPECT_EQ(GlyphRect('!'), (PixelRect{10, 224, 10, 12}));
    EXPECT_EQ(GlyphRect('0'), (PixelRect{0, 236, 10, 12}));
    EXPECT_EQ(GlyphRect('a'), (PixelRect{10, 272, 10, 12}));
    EXPECT_EQ(GlyphRect('l'), (PixelRect{120, 272, 10, 12}));
    EXPECT_EQ(GlyphRect(127), (PixelRect{150, 284, 10, 12}));
    EXPECT_FALSE(GlyphRect(31));
    EXPECT_FALSE(GlyphRect(128));
    EXPECT_FALSE(GlyphRect(-1));
}

TEST(GlyphRect, WideAndShiftedLetters) {
    // 'm' is 12 wide (x 130..141); 'n' and 'o' sit 10 pixels to the right of
    // their grid places, 'n' at x 150..159 of the fifth font row.
    EXPECT_EQ(GlyphRect('m'), (PixelRect{130, 272, 12, 12}));
    EXPECT_EQ(GlyphRect('n'), (PixelRect{150, 272, 10, 12}));
    EXPECT_EQ(GlyphRect('o'), (PixelRect{160, 272, 10, 12}));
    // 'A' and 'M' reach one pixel further right, 'B' starts one later, 'V'
    // and 'W' one earlier.
    EXPECT_EQ(GlyphRect('A'), (PixelRect{10, 248, 11, 12}));
    EXPECT_EQ(GlyphRect('B'), (PixelRect{21, 248, 9, 12}));
    EXPECT_EQ(GlyphRect('M'), (PixelRect{130, 248, 11, 12}));
    EXPECT_EQ(GlyphRect('V'), (PixelRect{59, 260, 11, 12}));
    EXPECT_EQ(GlyphRect('W'), (PixelRect{69, 260, 11, 12}));
    // Their neighbours keep the grid.
    EXPECT_EQ(GlyphRect('C'), (PixelRect{30, 248, 10, 12}));
    EXPECT_EQ(GlyphRect('p'), (PixelRect{0, 284, 10, 12}));
}

TEST(GlyphRect, EveryGlyphStaysInsideTheFont) {
    for (int ch = 32; ch <= 127; ++ch) {
        const PixelRect r = GlyphRect(ch).value();
        EXPECT_GE(r.x, 0) << ch;
        EXPECT_LE(r.x + r.width, 170) << ch;
        EXPECT_GE(r.y, 224) << ch;
        EXPECT_LE(r.y + r.height, 296) << ch;
    }
}

// A sheet whose font area is transparent except for the rectangle of 'n'.
uint8_t OnlyLetterN(int x, int y) {
    if (y >= 224 && y < 296 && x < 170) {
        return x >= 150 && x < 160 && y >= 272 && y < 284 ? static_cast<uint8_t>(x - 100) : 0;
    }
    return testing::PatternPixel(x, y);
}

TEST(DrawGlyph, CopiesTheGlyphRectangleKeyed) {
    TestSheet font(OnlyLetterN);
    auto surface = std::make_unique<OffscreenSurface>();
    surface->SetUp(144, 160);
    std::fill(surface->pixels(), surface->pixels() + 144 * 160, 3);
    EXPECT_TRUE(DrawGlyph(surface->view(), 20, 30, font.sheet, 'n'));
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 144; ++x) {
            const bool inGlyph = x >= 20 && x < 30 && y >= 30 && y < 42;
            ASSERT_EQ(surface->At(x, y), inGlyph ? 50 + (x - 20) : 3) << x << "," << y;
        }
    }
    // A space is a fully transparent cell: inside the surface, yet nothing
    // changes; so are 'm' and 'o' on this sheet, which draws only 'n'.
    const auto before = std::make_unique<OffscreenSurface>(*surface);
    EXPECT_TRUE(DrawGlyph(surface->view(), 20, 30, font.sheet, ' '));
    EXPECT_TRUE(DrawGlyph(surface->view(), 20, 30, font.sheet, 'm'));
    EXPECT_TRUE(DrawGlyph(surface->view(), 20, 30, font.sheet, 'o'));
    EXPECT_FALSE(DrawGlyph(surface->view(), 20, 30, font.sheet, 10));
    EXPECT_FALSE(DrawGlyph(surface->view(), -10, 30, font.sheet, 'n'));
    EXPECT_TRUE(testing::SamePixels(*surface, *before));
}

TEST(DrawText, AdvancesEightPixelsAndKeepsTheBackgroundBetweenStrokes) {
    TestSheet font(OnlyLetterN);
    auto surface = std::make_unique<OffscreenSurface>();
    surface->SetUp(144, 160);
    DrawText(surface->view(), 4, 8, font.sheet, "n n");
    // The second 'n' starts 16 pixels after the first; the overlap of the
    // first glyph's last columns with the space leaves them as they were.
    for (int x = 0; x < 144; ++x) {
        uint8_t expected = 0;
        if (x >= 4 && x < 14) {
            expected = static_cast<uint8_t>(50 + x - 4);
        } else if (x >= 20 && x < 30) {
            expected = static_cast<uint8_t>(50 + x - 20);
        }
        EXPECT_EQ(surface->At(x, 10), expected) << x;
    }
}

} // namespace
} // namespace fenx
