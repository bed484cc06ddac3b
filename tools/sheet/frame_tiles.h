// The frame round the field: four corners and two edge pieces.
#pragma once

#include "sheet_image.h"

namespace fenx::sheet {

void DrawFrame(SheetImage& sheet);

} // namespace fenx::sheet
