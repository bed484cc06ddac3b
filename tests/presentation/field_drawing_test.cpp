#include <gtest/gtest.h>

#include <memory>

#include "presentation/background_tile.h"
#include "presentation/canvas.h"
#include "test_sheet.h"

namespace fenx {
namespace {

using testing::ShowsTile;
using testing::TestSheet;

TEST(SurfaceSize, IsTheFieldPlusAOneCellFrame) {
    EXPECT_EQ(ClientSize(7, 4), (PixelSize{144, 160}));
    EXPECT_EQ(ClientSize(8, 3), (PixelSize{160, 128}));
    EXPECT_EQ(ClientSize(38, 10), (PixelSize{640, 352}));
    EXPECT_EQ(ClientSize(12, 4), (PixelSize{224, 160}));
}

TEST(SelectBackgroundTile, FollowsTheHourOnATwelveHourDial) {
    EXPECT_EQ(SelectBackgroundTile(13), (SheetTile{8, 2})); // 13:05 -> hour 1
    EXPECT_EQ(SelectBackgroundTile(1), (SheetTile{8, 2}));
    EXPECT_EQ(SelectBackgroundTile(0), (SheetTile{5, 3}));  // 00:30
    EXPECT_EQ(SelectBackgroundTile(12), (SheetTile{5, 3})); // 12:30
    EXPECT_EQ(SelectBackgroundTile(23), (SheetTile{6, 3}));
    for (int hour = 0; hour < 12; ++hour) {
        const SheetTile t = SelectBackgroundTile(hour);
        EXPECT_EQ(SelectBackgroundTile(hour + 12), t);
        // Background tiles lie in columns 3..8 of rows 2..3.
        EXPECT_TRUE(t.column >= 3 && t.column <= 8 && t.row >= 2 && t.row <= 3) << hour;
        for (int other = 0; other < hour; ++other) {
            EXPECT_NE(SelectBackgroundTile(other), t) << hour << " " << other;
        }
    }
}

class CanvasTest : public ::testing::Test {
  protected:
    TestSheet sheet_{testing::HoledPatternPixel};
    std::unique_ptr<Canvas> canvas_ = std::make_unique<Canvas>(sheet_.sheet);
};

TEST_F(CanvasTest, CreateSurfacesSetsSizeBlackPixelsAndColours) {
    ASSERT_TRUE(canvas_->CreateSurfaces(38, 10));
    canvas_->DrawField();
    ASSERT_TRUE(canvas_->CreateSurfaces(7, 4));
    const OffscreenSurface& s = canvas_->surface();
    EXPECT_EQ(s.width(), 144);
    EXPECT_EQ(s.height(), 160);
    EXPECT_EQ(s.stride(), 144);
    // The picture of the earlier, larger size is gone.
    for (int i = 0; i < 144 * 160; ++i) {
        ASSERT_EQ(s.pixels()[i], 0) << i;
    }
    EXPECT_EQ(canvas_->fieldWidth(), 7);
    EXPECT_EQ(canvas_->fieldHeight(), 4);
    EXPECT_EQ(canvas_->gallery().width(), 192);
    EXPECT_EQ(canvas_->gallery().height(), 112);
    EXPECT_NE(canvas_->gallery().At(10 * 16 + 3, 3), 0); // orientation 0 is drawn
    // The colour table: static colours at both ends, the sheet's between.
    const ColourTable& colours = canvas_->colourTable();
    EXPECT_EQ(colours[0], 0xFF000000u);
    EXPECT_EQ(colours[7], 0xFFC0C0C0u);
    EXPECT_EQ(colours[9], 0xFFA6CAF0u);
    EXPECT_EQ(colours[246], 0xFFFFFBF0u);
    EXPECT_EQ(colours[249], 0xFFFF0000u);
    EXPECT_EQ(colours[255], 0xFFFFFFFFu);
    for (int i = 10; i <= 245; ++i) {
        EXPECT_EQ(colours[static_cast<size_t>(i)], testing::TestSheetColour(i)) << i;
    }
}

TEST_F(CanvasTest, RefusesSizesThatAreNoStageAndDestroyClearsEverything) {
    EXPECT_FALSE(canvas_->CreateSurfaces(7, 3)); // 21 cells: no whole number of blocks
    EXPECT_EQ(canvas_->surface().width(), 0);
    EXPECT_FALSE(canvas_->CreateSurfaces(39, 4));
    ASSERT_TRUE(canvas_->CreateSurfaces(8, 3));
    EXPECT_EQ(canvas_->surface().width(), 160);
    EXPECT_EQ(canvas_->surface().height(), 128);
    canvas_->DestroySurfaces();
    EXPECT_EQ(canvas_->surface().width(), 0);
    EXPECT_EQ(canvas_->gallery().width(), 0);
    // Drawing without surfaces is clipped away.
    canvas_->DrawField();
    EXPECT_FALSE(canvas_->DrawTile(0, 0, {0, 0}));
}

TEST_F(CanvasTest, FieldOfSevenByFourHasItsFrameAndBackground) {
    ASSERT_TRUE(canvas_->CreateSurfaces(7, 4));
    canvas_->SelectBackgroundTile(13);
    ASSERT_EQ(canvas_->backgroundTile(), (SheetTile{8, 2}));
    canvas_->DrawField();
    const OffscreenSurface& s = canvas_->surface();
    const SpriteSheet& sheet = sheet_.sheet;
    EXPECT_TRUE(ShowsTile(s, 0, 0, sheet, kFrameTopLeft));
    EXPECT_TRUE(ShowsTile(s, 128, 0, sheet, kFrameTopRight));
    EXPECT_TRUE(ShowsTile(s, 0, 144, sheet, kFrameBottomLeft));
    EXPECT_TRUE(ShowsTile(s, 128, 144, sheet, kFrameBottomRight));
    for (int cx = 0; cx < 7; ++cx) {
        EXPECT_TRUE(ShowsTile(s, 16 + 16 * cx, 0, sheet, kFrameHorizontal)) << cx;
        EXPECT_TRUE(ShowsTile(s, 16 + 16 * cx, 144, sheet, kFrameHorizontal)) << cx;
    }
    for (int cy = 0; cy < 8; ++cy) {
        EXPECT_TRUE(ShowsTile(s, 0, 16 + 16 * cy, sheet, kFrameVertical)) << cy;
        EXPECT_TRUE(ShowsTile(s, 128, 16 + 16 * cy, sheet, kFrameVertical)) << cy;
    }
    // Background cells from (16,16) to (112,128); the holes of the test
    // sheet's tiles leave the black fill.
    for (int y = 16; y <= 128; y += 16) {
        for (int x = 16; x <= 112; x += 16) {
            EXPECT_TRUE(ShowsTile(s, x, y, sheet, {8, 2})) << x << "," << y;
        }
    }
}

TEST(CanvasErase, BackgroundCellRestoresTheFieldUnderABlock) {
    TestSheet opaque;
    auto canvas = std::make_unique<Canvas>(opaque.sheet);
    ASSERT_TRUE(canvas->CreateSurfaces(7, 4));
    canvas->SelectBackgroundTile(0);
    canvas->DrawField();
    const auto before = std::make_unique<OffscreenSurface>(canvas->surface());
    // An O with its anchor at cell (2, 5) covers cells 2..3 of rows 5..6.
    canvas->DrawBlockAt(CellPixel(2), CellPixel(5), 0, 0, false);
    ASSERT_FALSE(testing::SamePixels(canvas->surface(), *before));
    for (const auto& [cx, cy] : {std::pair{2, 5}, {3, 5}, {2, 6}}) {
        canvas->DrawBackgroundCell(cx, cy);
    }
    EXPECT_FALSE(testing::SamePixels(canvas->surface(), *before));
    canvas->DrawBackgroundCell(3, 6);
    EXPECT_TRUE(testing::SamePixels(canvas->surface(), *before));
}

TEST_F(CanvasTest, TitlePictureIsCentredOnTheField) {
    ASSERT_TRUE(canvas_->CreateSurfaces(7, 4));
    canvas_->DrawTitlePicture();
    const OffscreenSurface& s = canvas_->surface();
    // 144 x 160: the 112 x 64 logo at ((144 - 112) / 2, (160 - 64) / 2).
    const int left = 16;
    const int top = 48;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 112; ++x) {
            const uint8_t logo = sheet_.sheet.At(144 + x, y);
            if (logo != 0) {
                ASSERT_EQ(s.At(left + x, top + y), logo) << x << "," << y;
            }
        }
    }
    // Around the logo, the field.
    EXPECT_TRUE(ShowsTile(s, 0, 0, sheet_.sheet, kFrameTopLeft));
    EXPECT_TRUE(ShowsTile(s, 16, 128, sheet_.sheet, canvas_->backgroundTile()));
    // On the largest field the logo sits at ((640 - 112) / 2, (352 - 64) / 2).
    ASSERT_TRUE(canvas_->CreateSurfaces(38, 10));
    canvas_->DrawTitlePicture();
    EXPECT_EQ(canvas_->surface().At(264 + 2, 144 + 1), sheet_.sheet.At(146, 1));
    EXPECT_EQ(canvas_->surface().At(264 + 111, 144 + 63), sheet_.sheet.At(255, 63));
}

} // namespace
} // namespace fenx
