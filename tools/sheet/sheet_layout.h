// Where each picture sits in the sheet. The places are the game's own: the
// generator draws exactly where the drawing code reads.
#pragma once

#include "presentation/background_tile.h"
#include "presentation/sheet_layout.h"

namespace fenx::sheet {

using TilePlace = SheetTile;

inline constexpr const auto& kColourBlockBase = KindTileBase;
inline constexpr const auto& kBackgroundByHour = BackgroundTileTable;

inline constexpr int kTitleLeft = kTitlePicture.x;
inline constexpr int kTitleTop = kTitlePicture.y;
inline constexpr int kTitleWidth = kTitlePicture.width;
inline constexpr int kTitleHeight = kTitlePicture.height;

inline constexpr int kGlyphPitch = kGlyphWidth;

// Dotted outlines: one block of 4 x 5 tiles per animation phase.
inline constexpr int kOutlineRow = kOutlineBase.row;
inline constexpr int kOutlinePhases = kOutlinePhaseCount;

} // namespace fenx::sheet
