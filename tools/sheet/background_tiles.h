// The twelve field backgrounds, one for each hour of the clock face.
#pragma once

#include "sheet_image.h"

namespace fenx::sheet {

void DrawBackgrounds(SheetImage& sheet);

// True where background pattern `hour` (0..11) shows its second tone; every
// pattern repeats within 16 pixels, so the tiles join without seams.
bool BackgroundPattern(int hour, int x, int y);

} // namespace fenx::sheet
