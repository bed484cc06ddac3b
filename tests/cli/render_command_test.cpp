#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <csetjmp>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "core/stage_build.h"
#include "presentation/background_tile.h"
#include "presentation/colour_table.h"
#include "presentation/sheet_layout.h"

namespace fenx {
namespace {

using testing::RunCli;

struct Picture {
    int width = 0;
    int height = 0;
    int colourType = -1;
    std::vector<uint8_t> indices;
    std::vector<uint32_t> palette; // 0xAARRGGBB
    uint8_t At(int x, int y) const { return indices[static_cast<size_t>(y * width + x)]; }
};

// libpng reports errors by longjmp: nothing here needs a destructor.
bool ReadPngInto(std::FILE* file, Picture* picture) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file);
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    picture->width = static_cast<int>(png_get_image_width(png, info));
    picture->height = static_cast<int>(png_get_image_height(png, info));
    picture->colourType = png_get_color_type(png, info);
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_bit_depth(png, info) == 8 &&
        png_get_PLTE(png, info, &colours, &count) == PNG_INFO_PLTE) {
        for (int i = 0; i < count; ++i) {
            picture->palette.push_back(0xFF000000u | uint32_t{colours[i].red} << 16 |
                                       uint32_t{colours[i].green} << 8 | colours[i].blue);
        }
        png_bytepp rows = png_get_rows(png, info);
        for (int y = 0; y < picture->height; ++y) {
            picture->indices.insert(picture->indices.end(), rows[y], rows[y] + picture->width);
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

Picture ReadPng(const std::string& path) {
    Picture picture;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        ReadPngInto(file, &picture);
        std::fclose(file);
    }
    return picture;
}

bool FileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fclose(file);
    }
    return file != nullptr;
}

class RenderCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!sheet_) {
            GTEST_SKIP() << "this build has no sprite sheet";
        }
    }

    std::string OutPath(const std::string& name) const {
        return ::testing::TempDir() + "fenx_render_" + name + ".png";
    }

    // Renders stage "W H N" with the options and reads the picture back;
    // fails the test on a non-zero exit.
    Picture Render(const std::string& stage, const std::string& options, const std::string& name) {
        const std::string path = OutPath(name);
        std::remove(path.c_str());
        const auto result = RunCli("render " + stage + " " + path + " " + options);
        EXPECT_EQ(result.status, 0) << stage << " " << options;
        Picture picture = ReadPng(path);
        std::remove(path.c_str());
        return picture;
    }

    // Every opaque pixel of the sheet tile is in the picture at (x, y).
    bool ShowsTile(const Picture& p, int x, int y, SheetTile tile) const {
        for (int iy = 0; iy < 16; ++iy) {
            for (int ix = 0; ix < 16; ++ix) {
                const uint8_t s = sheet_->At(tile.column * 16 + ix, tile.row * 16 + iy);
                if (s != 0 && p.At(x + ix, y + iy) != s) {
                    return false;
                }
            }
        }
        return true;
    }

    std::optional<SpriteSheet> sheet_ = EmbeddedSpriteSheet();
};

TEST(RenderCommandArguments, BadArgumentsExitWithStatusTwoAndWriteNothing) {
    const std::string out = ::testing::TempDir() + "fenx_render_bad.png";
    std::remove(out.c_str());
    const char* cases[] = {
        "render",
        "render 7 4 0",
        "render 6 4 0 OUT",
        "render 39 4 0 OUT",
        "render 7 3 0 OUT",
        "render 7 11 0 OUT",
        "render 7 4 -1 OUT",
        "render 7 4 2147483648 OUT",
        "render 7 4 1e3 OUT",
        "render 7 4 0 OUT --hour 24",
        "render 7 4 0 OUT --hour -1",
        "render 7 4 0 OUT --hour",
        "render 7 4 0 OUT --hour 1 --hour 2",
        "render 7 4 0 OUT --view side",
        "render 7 4 0 OUT --view",
        "render 7 4 0 OUT --view title --view start",
        "render 7 4 0 OUT --fixed 1",
        "render 7 4 0 OUT --fixed a b",
        "render 7 4 0 OUT --fixed 1 32768",
        "render 7 4 0 OUT --fixed 7 -1", // 7 x 4 has blocks 0 to 6
        "render 7 4 0 OUT --fixed -2 0",
        "render 7 4 0 OUT --fixed 0 1 --fixed 0 1",
        "render 7 4 0 OUT --colour 3",
        "render 7 4 0 OUT extra",
        "render 7 4 0 ''",
    };
    for (std::string args : cases) {
        const size_t at = args.find("OUT");
        if (at != std::string::npos) {
            args.replace(at, 3, out);
        }
        EXPECT_EQ(RunCli(args).status, 2) << args;
        EXPECT_FALSE(FileExists(out)) << args;
    }
}

TEST_F(RenderCommandTest, AnExistingPictureIsReplacedWholeAndADeviceIsNeverRemoved) {
    const std::string out = ::testing::TempDir() + "fenx-render-replace.png";
    ASSERT_EQ(RunCli("render 7 4 0 " + out).status, 0);
    const Picture first = ReadPng(out);
    ASSERT_EQ(RunCli("render 12 4 5 " + out).status, 0);
    EXPECT_EQ(ReadPng(out).width, 224);
    EXPECT_NE(first.width, 224);
    std::remove(out.c_str());
    // A device that refuses the bytes: the command fails and the device stays.
    if (FileExists("/dev/full")) {
        EXPECT_NE(RunCli("render 7 4 0 /dev/full").status, 0);
        struct stat full {};
        ASSERT_EQ(::stat("/dev/full", &full), 0);
        EXPECT_TRUE(S_ISCHR(full.st_mode));
    }
    EXPECT_EQ(RunCli("render 7 4 0 /dev/null").status, 0);
}

TEST_F(RenderCommandTest, UnwritableOutputIsAnOutputFailure) {
    EXPECT_EQ(RunCli("render 7 4 0 /nonexistent-folder/s.png").status, 3);
    EXPECT_EQ(RunCli("render 7 4 0 " + ::testing::TempDir()).status, 3); // a folder
}

TEST_F(RenderCommandTest, StartPictureShowsFrameBackgroundAndBlocks) {
    const Picture p = Render("7 4 0", "--hour 1", "start");
    ASSERT_EQ(p.width, 144);
    ASSERT_EQ(p.height, 160);
    EXPECT_EQ(p.colourType, PNG_COLOR_TYPE_PALETTE);
    const ColourTable colours = SurfaceColourTable(*sheet_);
    EXPECT_EQ(p.palette, std::vector<uint32_t>(colours.begin(), colours.end()));
    EXPECT_TRUE(ShowsTile(p, 0, 0, kFrameTopLeft));
    EXPECT_TRUE(ShowsTile(p, 128, 144, kFrameBottomRight));
    EXPECT_TRUE(ShowsTile(p, 64, 0, kFrameHorizontal));
    EXPECT_TRUE(ShowsTile(p, 128, 80, kFrameVertical));

    const auto stage = BuildStage(7, 4, 0);
    for (int i = 0; i < stage->blocks.count; ++i) {
        const Block& b = stage->blocks[i];
        for (int j = 0; j < 4; ++j) {
            const CellOffset c = ShapeTable[b.orientation][j];
            const SheetTile tile = KindTileBase[b.kind] + PieceTileTable[b.orientation][j];
            EXPECT_TRUE(ShowsTile(p, (b.column + c.dx + 1) * 16, (b.row + c.dy + 1) * 16, tile))
                << "block " << i << " cell " << j;
        }
    }
    // Hour 1's background (8, 2) on every empty cell: row 0 of stage 0 is
    // ". . . . 5 5 .".
    int empty = 0;
    for (int cy = 0; cy < 8; ++cy) {
        for (int cx = 0; cx < 7; ++cx) {
            if (stage->board.at(cx, cy) == CellEmpty) {
                ++empty;
                EXPECT_TRUE(ShowsTile(p, (cx + 1) * 16, (cy + 1) * 16, {8, 2})) << cx << "," << cy;
            }
        }
    }
    EXPECT_EQ(empty, 28);
    EXPECT_EQ(stage->board.at(0, 0), CellEmpty);
    EXPECT_EQ(stage->board.at(4, 0), 5);
}

TEST_F(RenderCommandTest, StageNumbersReduceToSixteenBitsAndTheHourPicksTheBackground) {
    const Picture a = Render("12 4 3", "", "n3");
    const Picture b = Render("12 4 65539", "--hour 13", "n65539");
    const Picture c = Render("12 4 3", "--hour 1", "n3h1");
    ASSERT_EQ(a.width, 224);
    EXPECT_EQ(b.indices, c.indices);
    // Without --hour the local hour decides; allow for the clock passing
    // the hour during the run.
    const auto stage = BuildStage(12, 4, 3);
    int cx = 0;
    while (stage->board.at(cx, 0) != CellEmpty) {
        ++cx;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const bool hourNow = ShowsTile(a, (cx + 1) * 16, 16, SelectBackgroundTile(local.tm_hour));
    const bool hourBefore =
        ShowsTile(a, (cx + 1) * 16, 16, SelectBackgroundTile((local.tm_hour + 23) % 24));
    EXPECT_TRUE(hourNow || hourBefore);
}

TEST_F(RenderCommandTest, FixedBlocksShowTheIsolatedCell) {
    const Picture p = Render("7 4 0", "--fixed 6 -1 --hour 2", "fixed");
    const auto stage = BuildStage(7, 4, 0, {6, -1});
    for (int i = 0; i < stage->blocks.count; ++i) {
        const Block& b = stage->blocks[i];
        EXPECT_EQ(b.fixed, i == 6 ? 1 : 0);
        for (int j = 0; j < 4; ++j) {
            const CellOffset c = ShapeTable[b.orientation][j];
            const SheetTile piece = b.fixed ? kIsolatedCellTile : PieceTileTable[b.orientation][j];
            EXPECT_TRUE(ShowsTile(p, (b.column + c.dx + 1) * 16, (b.row + c.dy + 1) * 16,
                                  KindTileBase[b.kind] + piece))
                << "block " << i << " cell " << j;
        }
    }
}

TEST_F(RenderCommandTest, SolutionPictureFillsTheLowerHalfWithTheTiling) {
    const Picture start = Render("7 8 8020", "--hour 5", "sol_start");
    const Picture p = Render("7 8 8020", "--view solution --hour 5", "sol");
    ASSERT_EQ(p.width, 144);
    ASSERT_EQ(p.height, 288);
    const auto stage = BuildStage(7, 8, 8020);
    for (int i = 0; i < stage->blocks.count; ++i) {
        const Block& b = stage->blocks[i];
        for (int j = 0; j < 4; ++j) {
            const CellOffset c = ShapeTable[b.orientation][j];
            const SheetTile tile = KindTileBase[b.kind] + PieceTileTable[b.orientation][j];
            EXPECT_TRUE(ShowsTile(p, (b.solutionColumn + c.dx + 1) * 16,
                                  (b.solutionRow + 8 + c.dy + 1) * 16, tile))
                << "block " << i << " cell " << j;
        }
    }
    // Rows 0..H-1 of the field (pixel rows up to (H + 1) * 16) are those of
    // the start picture.
    const size_t upper = static_cast<size_t>(9 * 16 * 144);
    ASSERT_EQ(start.indices.size(), p.indices.size());
    EXPECT_TRUE(std::equal(p.indices.begin(), p.indices.begin() + static_cast<long>(upper),
                           start.indices.begin()));
}

TEST_F(RenderCommandTest, TitlePictureShowsTheLogoOnTheEmptyField) {
    const Picture p = Render("38 10 0", "--hour 0 --view title", "title");
    ASSERT_EQ(p.width, 640);
    ASSERT_EQ(p.height, 352);
    int logoPixels = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 112; ++x) {
            const uint8_t s = sheet_->At(144 + x, y);
            if (s != 0) {
                ++logoPixels;
                ASSERT_EQ(p.At(264 + x, 144 + y), s) << x << "," << y;
            }
        }
    }
    EXPECT_GT(logoPixels, 0);
    // No blocks: every cell away from the logo is background.
    for (int cy = 0; cy < 20; ++cy) {
        for (int cx = 0; cx < 38; ++cx) {
            const int x = (cx + 1) * 16;
            const int y = (cy + 1) * 16;
            if (x + 16 <= 264 || x >= 376 || y + 16 <= 144 || y >= 208) {
                ASSERT_TRUE(ShowsTile(p, x, y, {5, 3})) << cx << "," << cy;
            }
        }
    }
}

} // namespace
} // namespace fenx
