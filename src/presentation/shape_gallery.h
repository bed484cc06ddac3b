// The nineteen orientations as the stage search shows them. They are drawn
// once into the ShapeGallery; the search dialog then only copies the 76
// cells to its own places, leaving its background between them.
#pragma once

#include <array>

#include "core/shapes.h"
#include "presentation/indexed_surface.h"
#include "presentation/sheet_layout.h"
#include "presentation/sprite_sheet.h"

namespace fenx {

// Top-left cell (column, row) of each orientation in the 12 x 7 tile gallery;
// the pieces do not overlap.
inline constexpr std::array<SheetTile, kOrientationCount> GalleryPlacement = {{
    {10, 0}, {10, 2}, {0, 6}, {0, 0}, {4, 0}, {2, 0}, {4, 3}, {7, 0}, {2, 5}, {7, 2},
    {0, 3},  {1, 0},  {4, 2}, {1, 4}, {7, 1}, {6, 6}, {4, 4}, {5, 4}, {8, 5},
}};

// Anchor cell of each orientation in the search dialog, in 16-pixel units,
// before the dialog's margin of two cells.
inline constexpr std::array<SheetTile, kOrientationCount> SearchDialogPlacement = {{
    {0, 1},   {4, -1}, {8, 2},  {0, 5},   {4, 6},   {8, 5},  {12, 7}, {0, 11}, {4, 12},  {8, 11},
    {12, 10}, {17, 0}, {17, 7}, {17, 11}, {17, 16}, {0, 17}, {4, 15}, {8, 16}, {12, 16},
}};

inline constexpr int kSearchDialogMargin = 2;

// Fills the gallery with black and draws every orientation in its kind's
// colour at its GalleryPlacement.
void BuildShapeGallery(ShapeGallery& gallery, const SpriteSheet& sheet);

// One 16 x 16 copy from the gallery to the search dialog.
struct GalleryCopy {
    PixelRect destination; // in the dialog's client area
    PixelRect source;      // in the gallery
};

inline constexpr int kGalleryCopyCount = 4 * kOrientationCount;

// The copies that show the gallery in the search dialog, orientation by
// orientation, each in cell order.
std::array<GalleryCopy, kGalleryCopyCount> ShapeGalleryCopies();

} // namespace fenx
