// Any bytes as a sprite sheet: refused, or a sheet whose every pixel can be
// read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "presentation/sprite_sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (const auto sheet = fenx::ParseSpriteSheet(data, size)) {
        unsigned sum = 0;
        for (int y = 0; y < fenx::kSheetHeight; y += 7) {
            for (int x = 0; x < fenx::kSheetWidth; x += 5) {
                sum += sheet->At(x, y);
            }
        }
        // Keeps the reads from being optimised away.
        if (sum == 0xFFFFFFFFu) {
            std::abort();
        }
    }
    return 0;
}
