// The marching dotted outline drawn over a held block, four animation phases.
#pragma once

#include "sheet_image.h"

namespace fenx::sheet {

void DrawOutlines(SheetImage& sheet);

} // namespace fenx::sheet
