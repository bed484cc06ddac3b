// One tiling in progress, on the implicit board of TilingFrame, and several
// run side by side. Templates only: each generator path (tiling_*.cpp)
// instantiates them with its own way of extracting the neighbourhood and of
// finding the first draw that fits, compiled for its own processor.
//
// A Path provides:
//   static uint32_t FitIndex(uint64_t window, const TilingFrame&);
//       the twelve deciding cells of the window's first cell, 0..4095
//   static void ReadPicks(const StageRandom&, TablePicks&);
//       the pick of each of the 55 table entries
//   static void Regenerate(StageRandom&, TablePicks&);
//       RefillStageRandom, then ReadPicks
//   static int FirstFitting(const TablePicks&, int from, uint32_t fitting);
//       the first position from `from` whose pick is in `fitting`, or 55 and
//       more when none is
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "core/block.h"
#include "core/draw_picks.h"
#include "core/generation.h"
#include "core/stage_random.h"
#include "core/tiling_frame.h"

namespace fenx {

template <class Path>
class TilingWalk {
  public:
    TilingWalk(const TilingFrame& frame, StageRandom& random, BlockList& list)
        : frame_(frame), random_(random), list_(list) {
        picks_.pick.fill(kEndPick);
        begin();
    }

    // A new tiling from the generator as it stands, into the same list.
    void begin() {
        index_ = random_.index;
        count_ = 0;
        restartCount_ = 0;
        draws_ = 0;
        Path::ReadPicks(random_, picks_);
        cell_ = kGuardBits;
        window_ = frame_.takenWindow(cell_);
    }

    // One placement, or one dead end resolved by removals. False once the
    // area is tiled; the list and the generator then hold the results.
    [[gnu::always_inline]] bool step() {
        // The state in locals: the stores to the stack below would otherwise
        // make the compiler read every member again.
        const TilingFrame& frame = frame_;
        const uint64_t window = window_;
        const uint32_t fitting = FittingPickTable[Path::FitIndex(window, frame)];
        if (fitting == 0) {
            resolveDeadEnd();
            return true;
        }
        const int count = count_;
        const int cell = cell_;
        // The always-taken cells of the next window past this one, read
        // while the draw is looked for: the window moves on by at most 44
        // cells, well within the 57 bits read.
        const uint64_t beyond = frame.takenFrom(cell + 64);
        const int pick = drawFitting(fitting);
        stackCell_[static_cast<std::size_t>(count)] = static_cast<uint16_t>(cell);
        stackWindow_[static_cast<std::size_t>(count)] = window;
        stackPick_[static_cast<std::size_t>(count)] = static_cast<uint16_t>(pick);
        count_ = count + 1;
        if (count + 1 == frame.total) {
            finish();
            return false;
        }
        // Every cell before this one is filled and so is this one now: the
        // next empty cell is the first clear bit of the window. Nothing is
        // placed past the window, so only always-taken cells move in.
        const uint64_t filled = window | frame.shapes[pick];
        const int skip = std::countr_one(filled);
        cell_ = cell + skip;
        window_ = (filled >> skip) | (beyond << (64 - skip));
        return true;
    }

  private:
    static constexpr int kRestartLimit = 32;

    // Draws until the drawn pick is one of `fitting` and returns that pick;
    // every rejected draw still counts in the sequence.
    int drawFitting(uint32_t fitting) {
        int index = index_;
        int found = Path::FirstFitting(picks_, index + 1, fitting);
        uint64_t draws = draws_;
        while (found >= kStageRandomSize) {
            // The rest of the table was rejected; the next draw regenerates
            // it and takes its first entry.
            draws += static_cast<uint64_t>(kStageRandomSize - 1 - index);
            Path::Regenerate(random_, picks_);
            index = -1;
            found = Path::FirstFitting(picks_, 0, fitting);
        }
        draws_ = draws + static_cast<uint64_t>(found - index);
        index_ = found;
        return picks_.pick[static_cast<std::size_t>(found)];
    }

    // Nothing fits at the current cell: blocks come off, the last placed
    // first, until something fits there again. Taking a block off restores
    // the board as it was before the block was placed, when the first empty
    // cell was that block's anchor; the window of that moment was kept.
    void resolveDeadEnd() {
        const int deadEnd = cell_;
        const bool late = deadEnd >= frame_.lastColumnsCell;
        int count = count_;
        uint32_t fitting = 0;
        do {
            count -= count > 0 ? 1 : 0;
            // In the last four columns each removal counts; the 33rd throws
            // away 2H blocks at once.
            if (late && ++restartCount_ > kRestartLimit) {
                count = count > 2 * frame_.height ? count - 2 * frame_.height : 0;
                restartCount_ = 0;
            }
            const int distance = deadEnd - stackCell_[static_cast<std::size_t>(count)];
            const uint64_t shifted =
                distance < 64 ? stackWindow_[static_cast<std::size_t>(count)] >> distance : 0;
            fitting = FittingPickTable[Path::FitIndex(shifted | frame_.takenFrom(deadEnd), frame_)];
        } while (fitting == 0);
        count_ = count;
        cell_ = stackCell_[static_cast<std::size_t>(count)];
        window_ = stackWindow_[static_cast<std::size_t>(count)];
    }

    void finish() {
        for (int i = 0; i < count_; ++i) {
            const int cell = stackCell_[static_cast<std::size_t>(i)];
            const int pick = stackPick_[static_cast<std::size_t>(i)];
            Block& b = list_[i];
            b.solutionColumn = frame_.columnOf(cell);
            b.solutionRow = frame_.rowOf(cell);
            b.orientation = PickOrientation[static_cast<std::size_t>(pick)];
            b.kind = static_cast<int16_t>(pick >> 2);
        }
        list_.count = static_cast<int16_t>(count_);
        random_.index = index_;
        random_.draws += draws_;
    }

    const TilingFrame& frame_;
    StageRandom& random_;
    BlockList& list_;
    uint64_t window_ = 0; // the board from cell_ on, bit 0 = cell_, all 64 bits
    int cell_ = 0;        // the first empty cell, or a dead end
    int count_ = 0;
    int index_ = 0;
    int restartCount_ = 0;
    uint64_t draws_ = 0;
    TablePicks picks_;
    // Before each placement: where the first empty cell was and the window
    // there. Entry 0 is the empty area.
    std::array<uint64_t, kMaxBlocks> stackWindow_;
    std::array<uint16_t, kMaxBlocks> stackCell_;
    std::array<uint16_t, kMaxBlocks> stackPick_;
};

// Walks advance in turn, each a step at a time: each waits most of the time
// on its own last result, so the processor has work from the others.
template <class Path, int N>
void RunInterleaved(std::array<TilingWalk<Path>*, N> walks) {
    if constexpr (N == 1) {
        while (walks[0]->step()) {
        }
    } else {
        // Until one is done; the others then go on without it. The round
        // is written out, walk by walk, so that each walk's state stays put.
        std::size_t done = 0;
        const auto round = [&]<std::size_t... K>(std::index_sequence<K...>) {
            return ((walks[K]->step() || ((done = K), false)) && ...);
        };
        while (round(std::make_index_sequence<N>())) {
        }
        std::array<TilingWalk<Path>*, N - 1> rest{};
        for (std::size_t j = 0, r = 0; j < N; ++j) {
            if (j != done) {
                rest[r++] = walks[j];
            }
        }
        RunInterleaved<Path, N - 1>(rest);
    }
}

} // namespace fenx

namespace fenx {

// The jobs Path::kInterleave (one to three) at a time, side by side, the
// rest in smaller groups at the end.
template <class Path>
void TileJobs(const TilingFrame& frame, const TilingJob* jobs, int count) {
    constexpr int kGroup = Path::kInterleave;
    static_assert(kGroup >= 1 && kGroup <= 3);
    if constexpr (kGroup >= 3) {
        for (; count >= 3; jobs += 3, count -= 3) {
            TilingWalk<Path> a(frame, *jobs[0].random, *jobs[0].list);
            TilingWalk<Path> b(frame, *jobs[1].random, *jobs[1].list);
            TilingWalk<Path> c(frame, *jobs[2].random, *jobs[2].list);
            RunInterleaved<Path, 3>({&a, &b, &c});
        }
    }
    if constexpr (kGroup >= 2) {
        for (; count >= 2; jobs += 2, count -= 2) {
            TilingWalk<Path> a(frame, *jobs[0].random, *jobs[0].list);
            TilingWalk<Path> b(frame, *jobs[1].random, *jobs[1].list);
            RunInterleaved<Path, 2>({&a, &b});
        }
    }
    for (; count >= 1; ++jobs, --count) {
        TilingWalk<Path> a(frame, *jobs[0].random, *jobs[0].list);
        RunInterleaved<Path, 1>({&a});
    }
}

} // namespace fenx

namespace fenx {

// Every stage number from first to last, Path::kInterleave side by side:
// whenever one is done it is handed over and the next number takes its
// place, so that walks keep running side by side until the range is used up.
template <class Path>
void TileStageRange(const TilingFrame& frame, int first, int last, TiledStage onTiled,
                    void* context) {
    constexpr std::size_t N = Path::kInterleave;
    struct Slot {
        StageRandom random;
        BlockList list;
        int stage = 0;
    };
    std::array<Slot, N> slots;
    int next = first;
    if (last - first + 1 < static_cast<int>(N)) {
        for (; next <= last; ++next) {
            Slot& slot = slots[0];
            SeedStageRandom(slot.random, static_cast<uint32_t>(next));
            TilingWalk<Path> walk(frame, slot.random, slot.list);
            RunInterleaved<Path, 1>({&walk});
            onTiled(context, next, slot.list, slot.random);
        }
        return;
    }
    for (Slot& slot : slots) {
        SeedStageRandom(slot.random, static_cast<uint32_t>(next));
        slot.stage = next++;
    }
    auto walks = [&]<std::size_t... K>(std::index_sequence<K...>) {
        return std::array<TilingWalk<Path>, N>{
            TilingWalk<Path>(frame, slots[K].random, slots[K].list)...};
    }
    (std::make_index_sequence<N>());
    std::size_t done = 0;
    const auto round = [&]<std::size_t... K>(std::index_sequence<K...>) {
        return ((walks[K].step() || ((done = K), false)) && ...);
    };
    while (true) {
        while (round(std::make_index_sequence<N>())) {
        }
        Slot& slot = slots[done];
        onTiled(context, slot.stage, slot.list, slot.random);
        if (next > last) {
            break;
        }
        SeedStageRandom(slot.random, static_cast<uint32_t>(next));
        slot.stage = next++;
        walks[done].begin();
    }
    // The range is used up: the others finish without the one just done.
    if constexpr (N > 1) {
        std::array<TilingWalk<Path>*, N - 1> rest{};
        for (std::size_t j = 0, r = 0; j < N; ++j) {
            if (j != done) {
                rest[r++] = &walks[j];
            }
        }
        RunInterleaved<Path, N - 1>(rest);
        for (std::size_t j = 0; j < N; ++j) {
            if (j != done) {
                onTiled(context, slots[j].stage, slots[j].list, slots[j].random);
            }
        }
    }
}

} // namespace fenx
