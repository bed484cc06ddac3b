// The languages the game speaks to the player: Japanese, its own and the
// default, and English, which the player may choose instead. The engine
// keeps the texts it owns (window titles, challenge names, list lines) in
// both, side by side in its tables.
#pragma once

#include <cstdint>

namespace fenx {

enum class Language : uint8_t { Japanese, English };

} // namespace fenx
