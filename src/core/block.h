// The blocks of a stage, in the order generation placed them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fenx {

// 38 x 10 cells / 4: the largest stage.
inline constexpr int kMaxBlocks = 95;

struct Block {
    int32_t column = 0;         // anchor column in the play field
    int32_t row = 0;            // anchor row in the play field
    int32_t solutionColumn = 0; // anchor column in the generated tiling
    int32_t solutionRow = 0;    // anchor row in the generated tiling
    int32_t openingX = 0;       // client pixel where the fly-in starts the anchor
    int32_t openingY = 0;
    int16_t orientation = 0; // never changes during a stage
    int16_t kind = 0;        // colour 0..6
    bool fixed = false;      // a challenge block that cannot be picked up
    // The solved effect, in 1/256 pixel and 1/256 pixel per frame.
    int32_t effectX = 0;
    int32_t effectY = 0;
    int32_t effectVelocityX = 0;
    int32_t effectVelocityY = 0;
};

struct BlockList {
    int16_t count = 0;
    std::array<Block, kMaxBlocks> blocks{};

    Block& operator[](int i) { return blocks[static_cast<std::size_t>(i)]; }
    const Block& operator[](int i) const { return blocks[static_cast<std::size_t>(i)]; }
};

} // namespace fenx
