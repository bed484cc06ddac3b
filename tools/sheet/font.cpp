#include "font.h"

#include <cstring>

#include "font_glyphs.h"
#include "palette.h"
#include "sheet_layout.h"

namespace fenx::sheet {

namespace {

constexpr int kMaxGlyphWidth = 12;

// One glyph's strokes after thickening, in its own small grid.
struct GlyphStrokes {
    int width = 0;
    bool on[kGlyphRows][kMaxGlyphWidth] = {};
};

// Five-wide designs gain a second column to the right of every stroke, except
// where that would close a one-pixel gap to the next stroke.
GlyphStrokes Thicken(const GlyphDesign& design) {
    GlyphStrokes strokes;
    const int designWidth = static_cast<int>(std::strlen(design[0]));
    const bool thicken = designWidth == 5;
    strokes.width = thicken ? 6 : designWidth;
    for (int row = 0; row < kGlyphRows; ++row) {
        const char* line = design[row];
        auto at = [&](int x) { return x >= 0 && x < designWidth && line[x] == '#'; };
        for (int x = 0; x < strokes.width; ++x) {
            strokes.on[row][x] = at(x) || (thicken && at(x - 1) && !at(x + 1));
        }
    }
    return strokes;
}

// Strokes are white fading to pale grey towards the baseline.
uint8_t StrokeColour(int row) {
    return row < 4 ? kWhite : BlockShade(kFlashColour, kLight);
}

void DrawGlyph(SheetImage& sheet, int code) {
    const int index = code - 32;
    const GlyphStrokes strokes = Thicken(kGlyphDesigns[index]);
    const GlyphColumns columns = GlyphColumnsOf(code);
    const int top = kFontTop + (index / 16) * kGlyphHeight;
    // Text advances 8 pixels a character: strokes start two pixels into the
    // drawn cell, so outlines of neighbouring letters just meet. Only the
    // 8-wide 'm' starts one pixel in, using its wider cell.
    const int left = columns.left + (strokes.width >= 8 ? 1 : 2);
    for (int row = 0; row < kGlyphRows; ++row) {
        for (int x = 0; x < strokes.width; ++x) {
            if (strokes.on[row][x]) {
                sheet.set(left + x, top + 1 + row, StrokeColour(row));
            }
        }
    }
    // A one-pixel ink outline all round keeps the letters readable on any
    // background.
    for (int row = -1; row <= kGlyphRows; ++row) {
        for (int x = -1; x <= strokes.width; ++x) {
            const int px = left + x;
            const int py = top + 1 + row;
            if (sheet.at(px, py) != kTransparent) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    const int sx = x + dx;
                    const int sy = row + dy;
                    touches = sx >= 0 && sx < strokes.width && sy >= 0 && sy < kGlyphRows &&
                              strokes.on[sy][sx];
                }
            }
            if (touches) {
                sheet.set(px, py, kInk);
            }
        }
    }
}

} // namespace

GlyphColumns GlyphColumnsOf(int code) {
    const int index = code - 32;
    int left = (index % 16) * kGlyphPitch;
    int right = left + kGlyphPitch;
    if (code == 'm') {
        right = left + 12;
    }
    if (code == 'n' || code == 'o') {
        left += 10;
        right += 10;
    }
    if (code == 'A' || code == 'M') {
        right += 1;
    }
    if (code == 'B') {
        left += 1;
    }
    if (code == 'V' || code == 'W') {
        left -= 1;
    }
    return {left, right};
}

void DrawFont(SheetImage& sheet) {
    for (int code = 32; code < 128; ++code) {
        DrawGlyph(sheet, code);
    }
}

} // namespace fenx::sheet
