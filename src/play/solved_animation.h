// The animation of a solved stage: every block jumps up and falls out of the
// window; a challenge stage also drops in the letters of its message, which
// swing about their line on a damped spring.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/block.h"
#include "core/stage_random.h"

namespace fenx {

inline constexpr std::string_view kSolvedMessage = "Congratulations!";
inline constexpr int kSolvedMessageLength = 16;
static_assert(kSolvedMessage.size() == kSolvedMessageLength);

inline constexpr int32_t kSolvedGravity = 128; // 1/256 pixel per frame, per frame

struct SolvedAnimation {
    int32_t frame = 0; // frames drawn since the stage was solved
    // Offset of each letter from its resting line, and its change per frame,
    // in 1/256 pixel.
    std::array<int32_t, kSolvedMessageLength> letterY{};
    std::array<int32_t, kSolvedMessageLength> letterV{};
};

// Resets the animation and launches every block from its anchor cell: two
// draws per block in list order, the sideways speed first (-2 to just under
// +2 pixels per frame), then the upward one (8 to just under 10). The letters
// wait half a window height above their line.
void LaunchSolvedEffect(SolvedAnimation& animation, BlockList& blocks, StageRandom& random,
                        int clientHeight);

// One frame of a block's flight; true once it is gone, 48 pixels below the
// bottom of a window for a stage of `height` rows.
bool MoveSolvedBlock(Block& block, int height);

// One frame of letter j's spring; returns its new offset in 1/256 pixel.
int32_t SwingLetter(SolvedAnimation& animation, int letter);

} // namespace fenx
