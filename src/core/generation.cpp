#include "core/generation.h"

#include <bit>

#include "core/draw_picks.h"
#include "core/tiling_lanes.h"

namespace fenx {
namespace {

// A dead end in the last four columns counts each block it removes; the 33rd
// such removal throws away 2H blocks at once.
constexpr int kRestartLimit = 32;

// Generation works on column bitmasks instead of the Board: a fit test is one
// table lookup, and a run of rejected draws is found by scanning the picks of
// the table sixteen at a time. The draws consumed, their order and the
// resulting tiling are exactly those of testing one draw and one cell at a
// time.
class Tiler {
  public:
    // Where a tiling in progress stands between two steps.
    struct Walk {
        Cell p{0, 0};        // the first empty cell, or the cell of a dead end
        uint64_t window = 0; // the four columns from p's on
        int count = 0;
        int firstColumn = 0; // no column before it has room
        int restartCount = 0;
        int index = 0; // table position of the last draw
        uint64_t draws = 0;
    };

    Tiler(StageRandom& random, int width, int height, BlockList& list)
        : random_(random), width_(width), height_(height), list_(list), total_(width * height / 4) {
        lanes_.reset(width, height);
        if (random_.index < kStageRandomSize - 1) {
            picks_.read(random_);
        }
    }

    Walk begin() {
        Walk w;
        w.index = random_.index;
        w.draws = random_.draws;
        w.p = firstEmptyCell(w.firstColumn);
        w.window = lanes_.window(w.p.column);
        return w;
    }

    // One placement, or one dead end resolved by removals. False once the
    // area is tiled; the list and the generator then hold the results.
    bool advance(Walk& w) {
        uint32_t fitting = FittingPickTable[FitIndex(w.window >> w.p.row)];
        if (fitting != 0) {
            const int pick = drawFitting(fitting, w);
            const uint64_t shape = PickShape[static_cast<std::size_t>(pick)] << w.p.row;
            lanes_.set(w.p.column, shape);
            const int orientation = PickOrientation[static_cast<std::size_t>(pick)];
            Block& b = list_[w.count];
            b.solutionColumn = w.p.column;
            b.solutionRow = w.p.row;
            b.orientation = static_cast<int16_t>(orientation);
            b.kind = OrientationKind[static_cast<std::size_t>(orientation)];
            if (++w.count == total_) {
                list_.count = static_cast<int16_t>(w.count);
                random_.index = w.index;
                random_.draws = w.draws;
                return false;
            }
            // p was the first empty cell, so its column is the first one
            // with room; unless the block filled it, the next empty cell is
            // the topmost free cell there.
            w.window |= shape;
            const uint32_t lane = static_cast<uint32_t>(w.window) & 0xFFFFu;
            if (lane != 0xFFFFu) {
                w.p.row = std::countr_one(lane) - kRowBitOffset;
            } else {
                w.firstColumn = w.p.column + 1;
                w.p = firstEmptyCell(w.firstColumn);
                w.window = lanes_.window(w.p.column);
            }
            return true;
        }
        // Dead end: take blocks off until something fits at p again; the
        // first empty cell may then lie before p.
        do {
            w.count = removeLast(w.count, w.firstColumn);
            if (w.p.column >= width_ - 4 && ++w.restartCount > kRestartLimit) {
                for (int i = 0; i < 2 * height_; ++i) {
                    w.count = removeLast(w.count, w.firstColumn);
                }
                w.restartCount = 0;
            }
            fitting = FittingPickTable[FitIndex(lanes_.window(w.p.column) >> w.p.row)];
        } while (fitting == 0);
        w.p = firstEmptyCell(w.firstColumn);
        w.window = lanes_.window(w.p.column);
        return true;
    }

  private:
    // The first empty cell, columns left to right and each top down, given
    // that no column before `firstColumn` has room (which moves it on).
    Cell firstEmptyCell(int& firstColumn) const {
        uint32_t lane = lanes_.lane(firstColumn);
        while (lane == 0xFFFFu) {
            lane = lanes_.lane(++firstColumn);
        }
        return {firstColumn, std::countr_one(lane) - kRowBitOffset};
    }

    // Draws until the drawn pick is one of `fitting` and returns that pick;
    // every rejected draw still counts in the sequence.
    int drawFitting(uint32_t fitting, Walk& w) {
        int found = picks_.scan(w.index + 1, fitting);
        while (found >= kStageRandomSize) {
            // The rest of the table was rejected; the next draw regenerates
            // it and takes its first entry.
            w.draws += static_cast<uint64_t>(kStageRandomSize - 1 - w.index);
            RefillStageRandom(random_);
            picks_.read(random_);
            w.index = -1;
            found = picks_.scan(0, fitting);
        }
        w.draws += static_cast<uint64_t>(found - w.index);
        w.index = found;
        return picks_.pickAt(found);
    }

    // Takes the last block off; returns the new count.
    int removeLast(int count, int& firstColumn) {
        if (count == 0) {
            return 0;
        }
        const Block& b = list_[count - 1];
        lanes_.clear(b.solutionColumn,
                     ShapeWindow[static_cast<std::size_t>(b.orientation)] << b.solutionRow);
        firstColumn = b.solutionColumn < firstColumn ? b.solutionColumn : firstColumn;
        return count - 1;
    }

    StageRandom& random_;
    int width_;
    int height_;
    BlockList& list_;
    int total_;
    TilingLanes lanes_;
    DrawPicks picks_;
};

} // namespace

void GenerateTilingBlocks(StageRandom& random, int width, int height, BlockList& list) {
    Tiler tiler(random, width, height, list);
    Tiler::Walk walk = tiler.begin();
    while (tiler.advance(walk)) {
    }
}

void GenerateTilingPair(StageRandom* random, int width, int height, BlockList* list) {
    Tiler first(random[0], width, height, list[0]);
    Tiler second(random[1], width, height, list[1]);
    Tiler::Walk a = first.begin();
    Tiler::Walk b = second.begin();
    // Two independent tilings advance side by side, so that the processor
    // has work from one while the other waits on its last result.
    bool moreA = true;
    bool moreB = true;
    while (moreA && moreB) {
        moreA = first.advance(a);
        moreB = second.advance(b);
    }
    while (moreA) {
        moreA = first.advance(a);
    }
    while (moreB) {
        moreB = second.advance(b);
    }
}

void GenerateTiling(StageRandom& random, Board& board, BlockList& list) {
    GenerateTilingBlocks(random, board.width, board.rows, list);
    for (int i = 0; i < list.count; ++i) {
        const Block& b = list[i];
        WriteBlockCells(board, b.solutionColumn, b.solutionRow, b.orientation,
                        static_cast<int16_t>(i));
    }
}

} // namespace fenx
