// The text dump of a stage: everything generation and layout decided, in a
// form other programs can compare line by line.
#pragma once

#include <string>

#include "core/layout.h"
#include "core/stage_build.h"

namespace fenx {

// Builds stage `number` (reduced to 16 bits) at width x height into `stage`
// and appends its dump to `out`, without a newline after the last line.
void AppendStageDump(std::string& out, BuiltStage& stage, int width, int height, long number,
                     FixedBlocks fixed);

} // namespace fenx
