#include "presentation/shape_gallery.h"

#include "presentation/blit.h"

namespace fenx {

void BuildShapeGallery(ShapeGallery& gallery, const SpriteSheet& sheet) {
    gallery.SetUp(kGalleryWidth, kGalleryHeight);
    for (int o = 0; o < kOrientationCount; ++o) {
        const SheetTile place = GalleryPlacement[o];
        for (int j = 0; j < 4; ++j) {
            const CellOffset cell = ShapeTable[o][j];
            DrawTile(gallery.view(), (place.column + cell.dx) * kTileSize,
                     (place.row + cell.dy) * kTileSize, sheet,
                     BlockCellTile(o, j, OrientationKind[o], false));
        }
    }
}

std::array<GalleryCopy, kGalleryCopyCount> ShapeGalleryCopies() {
    std::array<GalleryCopy, kGalleryCopyCount> copies{};
    int n = 0;
    for (int o = 0; o < kOrientationCount; ++o) {
        const SheetTile from = GalleryPlacement[o];
        const SheetTile to = SearchDialogPlacement[o];
        for (int j = 0; j < 4; ++j) {
            const CellOffset cell = ShapeTable[o][j];
            copies[static_cast<std::size_t>(n++)] = {
                {(to.column + cell.dx + kSearchDialogMargin) * kTileSize,
                 (to.row + cell.dy + kSearchDialogMargin) * kTileSize, kTileSize, kTileSize},
                {(from.column + cell.dx) * kTileSize, (from.row + cell.dy) * kTileSize, kTileSize,
                 kTileSize}};
        }
    }
    return copies;
}

} // namespace fenx
