#include "bmp_writer.h"

#include <cstdio>

namespace fenx::sheet {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kColourTableSize = 256 * 4;
constexpr uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kColourTableSize;
constexpr uint32_t kPixelBytes = kSheetWidth * kSheetHeight;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

} // namespace

std::vector<uint8_t> EncodeBmp(const SheetImage& sheet, const std::array<Rgb, 256>& palette) {
    std::vector<uint8_t> out;
    out.reserve(kPixelOffset + kPixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kPixelOffset + kPixelBytes);
    Put32(out, 0); // two reserved words
    Put32(out, kPixelOffset);

    Put32(out, kInfoHeaderSize);
    Put32(out, kSheetWidth);
    Put32(out, kSheetHeight); // positive: rows run bottom-up
    Put16(out, 1);            // planes
    Put16(out, 8);            // bits per pixel
    Put32(out, 0);            // uncompressed
    Put32(out, 0);            // image size, implied
    Put32(out, 0);            // pixels per metre, x
    Put32(out, 0);            // pixels per metre, y
    Put32(out, 0);            // colours used: all 256
    Put32(out, 0);            // important colours: all

    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    // Each row is 256 bytes, already a multiple of four: no padding.
    for (int y = kSheetHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kSheetWidth; ++x) {
            out.push_back(sheet.at(x, y));
        }
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace fenx::sheet
