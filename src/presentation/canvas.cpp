#include "presentation/canvas.h"

#include "core/stage_size.h"
#include "presentation/background_tile.h"
#include "presentation/blit.h"
#include "presentation/block_drawing.h"
#include "presentation/glyph.h"
#include "presentation/shape_gallery.h"

namespace fenx {

Canvas::Canvas(const SpriteSheet& sheet)
    : sheet_(sheet), background_(BackgroundTileTable[0]), colours_(SurfaceColourTable(sheet)) {}

bool Canvas::CreateSurfaces(int width, int height) {
    if (!IsValidStageSize(width, height)) {
        DestroySurfaces();
        return false;
    }
    fieldWidth_ = width;
    fieldHeight_ = height;
    colours_ = SurfaceColourTable(sheet_);
    const PixelSize size = ClientSize(width, height);
    surface_.SetUp(size.width, size.height);
    BuildShapeGallery(gallery_, sheet_);
    return true;
}

void Canvas::DestroySurfaces() {
    fieldWidth_ = 0;
    fieldHeight_ = 0;
    surface_.Clear();
    gallery_.Clear();
}

void Canvas::SelectBackgroundTile(int hour) {
    background_ = fenx::SelectBackgroundTile(hour);
}

bool Canvas::DrawTile(int x, int y, SheetTile tile) {
    return fenx::DrawTile(surface_.view(), x, y, sheet_, tile);
}

bool Canvas::DrawGlyph(int x, int y, int ch) {
    return fenx::DrawGlyph(surface_.view(), x, y, sheet_, ch);
}

void Canvas::DrawText(int x, int y, std::string_view text) {
    fenx::DrawText(surface_.view(), x, y, sheet_, text);
}

void Canvas::DrawBlockAt(int px, int py, int orientation, int colour, bool fixed) {
    DrawBlock(surface_.view(), sheet_, px, py, orientation, colour, fixed);
}

void Canvas::DrawOutlineAt(int px, int py, int orientation, int phase) {
    DrawBlockOutline(surface_.view(), sheet_, px, py, orientation, phase);
}

} // namespace fenx
