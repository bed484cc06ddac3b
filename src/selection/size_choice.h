// The size dialog's Start: an empty edit keeps the current width or height,
// the width is pulled into 7..38 and the height into 3..10, and a size whose
// cell count is not a whole number of tetrominoes starts nothing, silently.
#pragma once

#include <cstdint>
#include <optional>

#include "core/stage_size.h"

namespace fenx {

std::optional<StageSize> SizeToStart(std::optional<uint32_t> width, std::optional<uint32_t> height,
                                     StageSize current);

} // namespace fenx
