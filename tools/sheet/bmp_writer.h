// The sheet as a BMP file: file header, then the packed bitmap the game
// uses in place (info header, 256 colours, bottom-up rows).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "palette.h"
#include "sheet_image.h"

namespace fenx::sheet {

std::vector<uint8_t> EncodeBmp(const SheetImage& sheet, const std::array<Rgb, 256>& palette);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace fenx::sheet
