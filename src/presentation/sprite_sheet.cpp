#include "presentation/sprite_sheet.h"

namespace fenx {
namespace {

uint32_t Read16(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8;
}

uint32_t Read32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

bool HeadersValid(const uint8_t* file, std::size_t size) {
    const uint8_t* info = file + kBmpFileHeaderSize;
    const uint32_t imageSize = Read32(info + 20);
    const uint32_t coloursUsed = Read32(info + 32);
    const uint32_t coloursImportant = Read32(info + 36);
    // The pixels/metre fields (info + 24 and + 28) carry no meaning here.
    return file[0] == 'B' && file[1] == 'M' && Read32(file + 2) == size && Read16(file + 6) == 0 &&
           Read16(file + 8) == 0 && Read32(file + 10) == kSheetPixelOffset &&
           Read32(info) == kBmpInfoHeaderSize && Read32(info + 4) == kSheetWidth &&
           Read32(info + 8) == kSheetHeight && Read16(info + 12) == 1 && Read16(info + 14) == 8 &&
           Read32(info + 16) == 0 && (imageSize == 0 || imageSize == kSheetPixelBytes) &&
           (coloursUsed == 0 || coloursUsed == kSheetColourCount) &&
           coloursImportant <= kSheetColourCount;
}

} // namespace

std::optional<SpriteSheet> ParseSpriteSheet(const uint8_t* bytes, std::size_t size) {
    if (bytes == nullptr || size < kSheetFileSize || size > UINT32_MAX ||
        !HeadersValid(bytes, size)) {
        return std::nullopt;
    }
    return SpriteSheet(bytes + kBmpFileHeaderSize + kBmpInfoHeaderSize, bytes + kSheetPixelOffset);
}

} // namespace fenx
