#include <cstddef>

#include "presentation/sprite_sheet.h"

namespace fenx {

// Defined in the source that the build generates from resources/fenx00.bmp.
extern const unsigned char kEmbeddedSheetBytes[];
extern const std::size_t kEmbeddedSheetBytes_size;

std::optional<SpriteSheet> EmbeddedSpriteSheet() {
    return ParseSpriteSheet(kEmbeddedSheetBytes, kEmbeddedSheetBytes_size);
}

} // namespace fenx
