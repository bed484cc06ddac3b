// Everything the game draws with: the off-screen surface that holds the
// window's picture, the orientation gallery, the colours of both, the
// background of the stage and the sprite sheet they all come from. Several
// canvases may exist side by side; none of them allocates after
// construction. A canvas is large (about 250 KB): keep it on the heap.
#pragma once

#include <string_view>

#include "presentation/colour_table.h"
#include "presentation/indexed_surface.h"
#include "presentation/sheet_layout.h"
#include "presentation/sprite_sheet.h"

namespace fenx {

class Canvas {
  public:
    explicit Canvas(const SpriteSheet& sheet);

    // Sets the canvas up for a stage of width x height cells: the surface
    // takes ClientSize(width, height), both pictures are filled with black,
    // the colour table is rebuilt and the gallery drawn. False, leaving the
    // canvas without surfaces, for a size that is not a stage size.
    bool CreateSurfaces(int width, int height);
    // No surfaces: both pictures become 0 x 0 and every drawing is clipped.
    void DestroySurfaces();

    // The background of a stage started at this local hour (0..23).
    void SelectBackgroundTile(int hour);
    void SetBackgroundTile(SheetTile tile) { background_ = tile; }
    SheetTile backgroundTile() const { return background_; }

    int fieldWidth() const { return fieldWidth_; }   // W
    int fieldHeight() const { return fieldHeight_; } // H; the field has 2H rows

    const OffscreenSurface& surface() const { return surface_; }
    OffscreenSurface& surface() { return surface_; }
    const ShapeGallery& gallery() const { return gallery_; }
    const ColourTable& colourTable() const { return colours_; }
    const SpriteSheet& sheet() const { return sheet_; }

    // Primitives on the surface.
    bool DrawTile(int x, int y, SheetTile tile);
    bool DrawGlyph(int x, int y, int ch);
    void DrawText(int x, int y, std::string_view text);

    // Frame and background of the whole field; covers every block.
    void DrawField();
    // Erases field cell (cx, cy) to the background.
    void DrawBackgroundCell(int cx, int cy);
    // A block with its anchor cell at surface pixel (px, py), see DrawBlock.
    void DrawBlockAt(int px, int py, int orientation, int colour, bool fixed);
    // The dotted outline of a held block in phase 0..3 over its cells.
    void DrawOutlineAt(int px, int py, int orientation, int phase);
    // The empty field with the logo centred on it: the title screen.
    void DrawTitlePicture();

  private:
    SpriteSheet sheet_; // a view: the sheet's bytes are not copied
    int fieldWidth_ = 0;
    int fieldHeight_ = 0;
    SheetTile background_;
    ColourTable colours_{};
    OffscreenSurface surface_;
    ShapeGallery gallery_;
};

} // namespace fenx
