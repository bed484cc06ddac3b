// The target area during generation as one 16-bit lane per column: bit y + 2
// of a lane is row y. Four neighbouring columns form one 64-bit window, so a
// block is placed, removed or fit-tested with a few word operations. Bits
// below row 0 and past the last row are set, as are the lanes past the last
// column, and a row offset of at most 9 plus a cell offset of -2..3 never
// leaves its lane.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/column_bits.h"
#include "core/shapes.h"

namespace fenx {

// Lanes are stored four to an aligned word and a window is assembled from two
// words: loading a window at an unaligned column right after a store to
// another column would stall the processor far longer.
class TilingLanes {
  public:
    void reset(int width, int height) {
        const uint64_t empty = static_cast<uint16_t>(~(((1u << height) - 1u) << kRowBitOffset));
        words_.fill(0);
        for (int x = 0; x < kLaneCount; ++x) {
            const uint64_t lane = x < width ? empty : 0xFFFF;
            words_[static_cast<std::size_t>(x / 4)] |= lane << (16 * (x % 4));
        }
    }
    uint32_t lane(int column) const {
        const uint64_t word = words_[static_cast<std::size_t>(column >> 2)];
        return static_cast<uint32_t>(word >> (16 * (column & 3))) & 0xFFFFu;
    }
    // Columns column..column+3 as one word, the first in the low lane.
    uint64_t window(int column) const {
        const auto k = static_cast<std::size_t>(column >> 2);
        const int shift = 16 * (column & 3);
        return (words_[k] >> shift) | ((words_[k + 1] << (63 - shift)) << 1);
    }
    void set(int column, uint64_t bits) {
        const auto k = static_cast<std::size_t>(column >> 2);
        const int shift = 16 * (column & 3);
        words_[k] |= bits << shift;
        words_[k + 1] |= (bits >> (63 - shift)) >> 1;
    }
    void clear(int column, uint64_t bits) {
        const auto k = static_cast<std::size_t>(column >> 2);
        const int shift = 16 * (column & 3);
        words_[k] &= ~(bits << shift);
        words_[k + 1] &= ~((bits >> (63 - shift)) >> 1);
    }

  private:
    static constexpr int kLaneCount = 48;
    std::array<uint64_t, kLaneCount / 4> words_{};
};

// The cells of each orientation in a window anchored at row 0: bit
// 16 dx + dy + 2. Shifted left by a row, it lies at that row.
inline constexpr std::array<uint64_t, kOrientationCount> ShapeWindow = [] {
    std::array<uint64_t, kOrientationCount> shapes{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (const CellOffset& c : ShapeTable[o]) {
            shapes[o] |= uint64_t{1} << (16 * c.dx + c.dy + kRowBitOffset);
        }
    }
    return shapes;
}();

// The twelve cells that decide which orientations fit at an empty anchor, as
// an index into FitMaskTable: rows +1..+3 of its column, -2..+2 of the next,
// -1..+1 of the one after and row 0 of the fourth, from its window shifted to
// its row. One multiplication gathers them into the top of a word: no two
// wanted partial products meet there, and the others sum to less than 2^50.
inline uint32_t FitIndex(uint64_t shiftedWindow) {
    constexpr uint64_t kDeciding = (7ull << 3) | (31ull << 16) | (7ull << 33) | (1ull << 50);
    constexpr uint64_t kGather = (1ull << 49) | (1ull << 39) | (1ull << 27) | (1ull << 13);
    return static_cast<uint32_t>(((shiftedWindow & kDeciding) * kGather) >> 52);
}

} // namespace fenx
