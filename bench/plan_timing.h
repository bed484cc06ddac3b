// What the planning benchmarks share: the processor clock of the planning
// thread and positions a player may have wandered to.
#pragma once

#include <cstdint>
#include <ctime>

#include "core/block.h"
#include "core/board.h"
#include "core/step_rule.h"

namespace fenx {

// Processor time of this thread: on a machine shared with other work the
// wall clock would count the waits for a core too.
inline double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A position the player may reach: `steps` single steps of random blocks in
// random directions, each taken only where the game's step rule allows.
inline void Wander(Board& board, BlockList& blocks, int steps, uint32_t seed) {
    for (int i = 0; i < steps; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int b = static_cast<int>((seed >> 16) % static_cast<uint32_t>(blocks.count));
        const int dx = static_cast<int>((seed >> 8) % 3) - 1;
        const int dy = static_cast<int>((seed >> 4) % 3) - 1;
        Block& block = blocks[b];
        if (block.fixed || !StepFits(board, block, b, dx, dy)) {
            continue;
        }
        WriteBlockCells(board, block.column, block.row, block.orientation, CellEmpty);
        block.column += dx;
        block.row += dy;
        WriteBlockCells(board, block.column, block.row, block.orientation, static_cast<int16_t>(b));
    }
}

} // namespace fenx
