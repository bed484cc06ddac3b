// The moves of the stage in play, so that they can be undone and made
// again (redone). A move is what the player did in one go: one carry of one block
// (a mouse drag from press to release, a keyboard carry from pick-up to
// drop), or several carries at once (a restart puts every moved block back
// at one stroke). A carry is only which block went from which anchor cell to
// which: the history never holds a copy of the board, and each carry has
// the same small size however long the history grows.
//
// The history does not move blocks; play applies the carries it hands out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/board.h"

namespace fenx {

struct Carry {
    int16_t block = 0;
    Cell from{0, 0}; // anchor cell before the carry
    Cell to{0, 0};   // anchor cell after it
    bool operator==(const Carry&) const = default;
};

class MoveHistory {
  public:
    // A new stage, or a solved one: nothing to take back or make again.
    void Clear();

    // A move was made (its carries in the order they were applied). The
    // moves that could have been redone are dropped. An empty move is
    // no move and changes nothing.
    void Record(std::span<const Carry> move);

    // Undo: the carries of the last move made, which now counts as undone;
    // put each block back at `from`. Empty when there is none.
    std::span<const Carry> Undo();
    // Redo: the carries of the last move undone, which now counts as made
    // again; put each block at `to`. Empty when there is none.
    std::span<const Carry> Redo();

    bool canUndo() const { return made_ > 0; }
    bool canRedo() const { return made_ < carries_.size(); }

    // Where block `block`, standing at `now`, stood when the stage began:
    // the `from` of its first carry among the moves made, or `now` when the
    // moves made never carried it.
    Cell StartOf(int block, Cell now) const;

  private:
    std::vector<Carry> carries_;
    // Parallel to carries_: whether the carry is the first of its move.
    std::vector<bool> opensMove_;
    std::size_t made_ = 0; // carries_[0, made_) are made, the rest undone
};

} // namespace fenx
