// What play is doing on the stage, beside the stage's phase. The left
// button holds a block and the right button holds the placement hint, each
// on its own: a block picked up while the hint shows leaves the hint waiting
// under it (the held block has the frames meanwhile), and the hint shows
// again once the block is let go. The next move shows only while neither
// button holds anything, and any press ends it.
#pragma once

#include <cstdint>

namespace fenx {

enum class PlayMode : uint8_t {
    Idle,             // nothing held, nothing shown
    Dragging,         // a block held with the left button
    Hinting,          // the placement hint held with the right button
    DraggingOverHint, // a block held while the hint waits under it
    ShowingNextMove,  // the next move blinks until a press or its time is up
    PlayingOut,       // a solution plays itself until a press or its end
};

constexpr bool HoldsBlock(PlayMode mode) {
    return mode == PlayMode::Dragging || mode == PlayMode::DraggingOverHint;
}

constexpr bool HoldsHint(PlayMode mode) {
    return mode == PlayMode::Hinting || mode == PlayMode::DraggingOverHint;
}

// The mode for what the two buttons hold; a next move shown goes.
constexpr PlayMode ModeHolding(bool block, bool hint) {
    if (block) {
        return hint ? PlayMode::DraggingOverHint : PlayMode::Dragging;
    }
    return hint ? PlayMode::Hinting : PlayMode::Idle;
}

} // namespace fenx
