#include "presentation/glyph.h"

#include "presentation/blit.h"

namespace fenx {

std::optional<PixelRect> GlyphRect(int ch) {
    if (ch < 32 || ch > 127) {
        return std::nullopt;
    }
    const int i = ch - 32;
    int left = kFontLeft + (i % kGlyphsPerRow) * kGlyphWidth;
    int right = left + kGlyphWidth;
    const int top = kFontTop + (i / kGlyphsPerRow) * kGlyphHeight;
    switch (ch) {
    case 'm':
        right = left + 12;
        break;
    case 'n':
    case 'o':
        left += 10;
        right += 10;
        break;
    case 'A':
    case 'M':
        right += 1;
        break;
    case 'B':
        left += 1;
        break;
    case 'V':
    case 'W':
        left -= 1;
        break;
    default:
        break;
    }
    return PixelRect{left, top, right - left, kGlyphHeight};
}

bool DrawGlyph(SurfaceView destination, int x, int y, const SpriteSheet& sheet, int ch) {
    const auto rect = GlyphRect(ch);
    if (!rect) {
        return false;
    }
    return BlitKeyed(destination, x, y, sheet, rect->x, rect->y, rect->width, rect->height);
}

void DrawText(SurfaceView destination, int x, int y, const SpriteSheet& sheet,
              std::string_view text) {
    for (const char c : text) {
        DrawGlyph(destination, x, y, sheet, static_cast<unsigned char>(c));
        x += kTextAdvance;
    }
}

} // namespace fenx
