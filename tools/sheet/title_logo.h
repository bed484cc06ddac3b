// The title picture: the name in block letters over a row of small pieces.
#pragma once

#include "sheet_image.h"

namespace fenx::sheet {

void DrawTitleLogo(SheetImage& sheet);

} // namespace fenx::sheet
