#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "presentation/sprite_sheet.h"
#include "test_sheet.h"

namespace fenx {
namespace {

using testing::MakeSheetFile;
using testing::PatternPixel;

std::optional<SpriteSheet> Parse(const std::vector<uint8_t>& bytes) {
    return ParseSpriteSheet(bytes.data(), bytes.size());
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    }
}

TEST(SpriteSheetParse, ReadsPixelsBottomUpAndColoursAsArgb) {
    const auto bytes = MakeSheetFile(PatternPixel);
    const auto sheet = Parse(bytes);
    ASSERT_TRUE(sheet);
    // Pixel (sx, sy) lies at the pixel data + 256 * (511 - sy) + sx.
    for (const auto& [x, y] : {std::pair{0, 0}, {255, 0}, {0, 511}, {255, 511}, {37, 300}}) {
        EXPECT_EQ(sheet->At(x, y), bytes[kSheetPixelOffset + 256 * (511 - y) + x]) << x << "," << y;
        EXPECT_EQ(sheet->At(x, y), PatternPixel(x, y));
    }
    // The view reads the bytes where they lie.
    EXPECT_EQ(sheet->rowStart(511), bytes.data() + kSheetPixelOffset);
    // Colour quads are blue, green, red, reserved.
    const size_t quad = kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * 200;
    EXPECT_EQ(sheet->Colour(200), 0xFF000000u | uint32_t{bytes[quad + 2]} << 16 |
                                      uint32_t{bytes[quad + 1]} << 8 | bytes[quad]);
    EXPECT_EQ(sheet->Colour(200), testing::TestSheetColour(200));
}

TEST(SpriteSheetParse, AcceptsTheOtherLegalHeaderValues) {
    auto bytes = MakeSheetFile(PatternPixel);
    Put32(bytes, 34, static_cast<uint32_t>(kSheetPixelBytes)); // image size given
    Put32(bytes, 46, 256);                                     // colours used given
    Put32(bytes, 50, 256);                                     // all colours important
    EXPECT_TRUE(Parse(bytes));
    // Bytes after the pixels are harmless when the file size counts them.
    bytes.resize(bytes.size() + 2, 0);
    Put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    EXPECT_TRUE(Parse(bytes));
}

TEST(SpriteSheetParse, RejectsEveryTruncation) {
    const auto bytes = MakeSheetFile(PatternPixel);
    for (size_t length = 0; length < bytes.size(); ++length) {
        ASSERT_FALSE(ParseSpriteSheet(bytes.data(), length)) << length;
    }
    // Cut inside the headers and colour table: copies of exactly that many
    // bytes, so a read past the end is a real out-of-bounds read under a
    // sanitizer.
    for (size_t length = 0; length <= kSheetPixelOffset; ++length) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        ASSERT_FALSE(ParseSpriteSheet(cut.data(), cut.size())) << length;
    }
    EXPECT_FALSE(ParseSpriteSheet(nullptr, bytes.size()));
    // A file size field that still claims the whole file does not help.
    EXPECT_FALSE(ParseSpriteSheet(bytes.data(), bytes.size() - 1));
}

TEST(SpriteSheetParse, RejectsEachWrongHeaderField) {
    struct Damage {
        const char* what;
        size_t at;
        uint32_t value;
        int bytes;
    };
    const Damage damages[] = {
        {"signature", 0, 'M' | 'B' << 8, 2},
        {"file size too large", 2, static_cast<uint32_t>(kSheetFileSize + 1), 4},
        {"file size too small", 2, static_cast<uint32_t>(kSheetFileSize - 1), 4},
        {"reserved 1", 6, 1, 2},
        {"reserved 2", 8, 0x100, 2},
        {"pixel offset", 10, static_cast<uint32_t>(kSheetPixelOffset + 4), 4},
        {"pixel offset huge", 10, 0xFFFFFFF0u, 4},
        {"info size", 14, 124, 4},
        {"width", 18, 255, 4},
        {"height", 22, 256, 4},
        {"top-down rows", 22, static_cast<uint32_t>(-512), 4},
        {"planes", 26, 2, 2},
        {"bits", 28, 4, 2},
        {"compression", 30, 1, 4},
        {"image size", 34, 1000, 4},
        {"colours used", 46, 16, 4},
        {"colours important", 50, 257, 4},
    };
    for (const Damage& d : damages) {
        auto bytes = MakeSheetFile(PatternPixel);
        for (int i = 0; i < d.bytes; ++i) {
            bytes[d.at + static_cast<size_t>(i)] = static_cast<uint8_t>(d.value >> (8 * i));
        }
        EXPECT_FALSE(Parse(bytes)) << d.what;
    }
}

TEST(SpriteSheetParse, RandomHeaderDamageNeverReadsOutside) {
    // Any mix of damaged header bytes and lengths either parses to a view
    // whose corners lie inside the buffer, or is refused.
    const auto good = MakeSheetFile(PatternPixel);
    std::mt19937 random(12345);
    int accepted = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        auto bytes = good;
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f) {
            bytes[random() % 54] ^= static_cast<uint8_t>(1u << (random() % 8));
        }
        bytes.resize(bytes.size() - random() % 3);
        const auto sheet = Parse(bytes);
        if (sheet) {
            ++accepted;
            const uint8_t* begin = bytes.data();
            const uint8_t* end = begin + bytes.size();
            EXPECT_GE(sheet->rowStart(kSheetHeight - 1), begin);
            EXPECT_LE(sheet->rowStart(0) + kSheetWidth, end);
        }
    }
    // Only the pixels-per-metre fields are free; flips elsewhere are caught.
    EXPECT_LT(accepted, 2000);
}

} // namespace
} // namespace fenx
