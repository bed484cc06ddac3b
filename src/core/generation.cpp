#include "core/generation.h"

#include <array>
#include <bit>
#include <cstring>

#include "core/column_bits.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fenx {
namespace {

// A dead end in the last four columns counts each block it removes; the 33rd
// such removal throws away 2H blocks at once.
constexpr int kRestartLimit = 32;

// A draw r picks kind (r >> 2) mod 7 and rotation r & 3, that is the pair
// numbered 4 * kind + rotation = r mod 28. Generation works with these 28
// picks: the orientation of each pick, and for every set of fitting
// orientations the set of picks that select one of them.
constexpr std::array<uint8_t, 28> PickOrientation = [] {
    std::array<uint8_t, 28> table{};
    for (int pick = 0; pick < 28; ++pick) {
        table[static_cast<std::size_t>(pick)] =
            static_cast<uint8_t>(KindOrientationTable[pick / 4][pick % 4]);
    }
    return table;
}();

constexpr std::array<uint32_t, 4096> FittingPickTable = [] {
    std::array<uint32_t, 4096> table{};
    for (std::size_t w = 0; w < table.size(); ++w) {
        for (int pick = 0; pick < 28; ++pick) {
            if ((FitMaskTable[w] >> PickOrientation[static_cast<std::size_t>(pick)]) & 1u) {
                table[w] |= 1u << pick;
            }
        }
    }
    return table;
}();

// Marks the end of the table among the drawn orientations: its bit is added
// to every set of fitting orientations, so a scan of draws always stops there.
constexpr uint32_t kTableEndBit = 1u << 31;
// Draws are scanned sixteen at a time.
constexpr int kScanWidth = 16;
// The table read eight entries at a time; the last read takes one entry past
// the table, which the end mark then replaces.
constexpr int kTableVectors = (kStageRandomSize + 7) / 8;

// The target area as one 16-bit lane per column: bit y + 2 of a lane is row y.
// Four neighbouring columns form one 64-bit window, so a block is placed,
// removed or fit-tested with a few word operations. Bits below row 0 and past
// the last row are set, as are the lanes past the last column, and a row
// offset of at most 9 plus a cell offset of -2..3 never leaves its lane.
// Lanes are stored four to an aligned word and a window is assembled from two
// words: reading a window from memory at an unaligned column right after a
// store to another column would stall the processor far longer.
class Lanes {
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
        return static_cast<uint32_t>(words_[static_cast<std::size_t>(column >> 2)] >>
                                     (16 * (column & 3))) &
               0xFFFFu;
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

constexpr std::array<uint64_t, kOrientationCount> ShapeWindow = [] {
    std::array<uint64_t, kOrientationCount> shapes{};
    for (int o = 0; o < kOrientationCount; ++o) {
        for (const CellOffset& c : ShapeTable[o]) {
            shapes[o] |= uint64_t{1} << (16 * c.dx + c.dy + kRowBitOffset);
        }
    }
    return shapes;
}();

// Generation works on column bitmasks instead of the Board: a fit test is one
// table lookup, and a run of rejected draws is found by scanning precomputed
// orientations sixteen at a time. The draws consumed, their order and the
// resulting tiling are exactly those of testing one draw and one cell at a
// time.
class Tiler {
  public:
    Tiler(StageRandom& random, int width, int height, BlockList& list)
        : random_(random), width_(width), height_(height), list_(list), total_(width * height / 4) {
        lanes_.reset(width, height);
        list_.count = 0;
        drawnBits_.fill(kTableEndBit);
        if (random_.index < kStageRandomSize - 1) {
            readTable();
        }
    }

    void run() {
        int restartCount = 0;
        while (true) {
            const Cell p = firstEmptyCell();
            uint32_t fitting = fittingAt(p);
            if (fitting != 0) {
                place(p, drawFitting(fitting));
                if (list_.count == total_) {
                    return;
                }
                continue;
            }
            // Dead end: take blocks off until something fits at p again.
            do {
                removeLast();
                if (p.column >= width_ - 4 && ++restartCount > kRestartLimit) {
                    for (int i = 0; i < 2 * height_; ++i) {
                        removeLast();
                    }
                    restartCount = 0;
                }
                fitting = fittingAt(p);
            } while (fitting == 0);
        }
    }

  private:
    Cell firstEmptyCell() {
        while (lanes_.lane(firstColumn_) == 0xFFFFu) {
            ++firstColumn_;
        }
        return {firstColumn_, std::countr_one(lanes_.lane(firstColumn_)) - kRowBitOffset};
    }

    // The picks that fit at p, found from the cells around p that decide the
    // fit: rows +1..+3 of p's column, -2..+2 of the next, -1..+1 of
    // the one after and row 0 of the fourth.
    uint32_t fittingAt(Cell p) const {
        const uint64_t w = lanes_.window(p.column) >> p.row;
        const auto index = static_cast<uint32_t>(((w >> 3) & 7u) | ((w >> 13) & 0xF8u) |
                                                 ((w >> 25) & 0x700u) | ((w >> 39) & 0x800u));
        return FittingPickTable[index];
    }

    // Bit (r mod 28) for every table entry r.
    void readTable() {
#if defined(__SSE2__)
        // r mod 28 = r - 28 * ((r >> 2) / 7), with the division by 7 done by a
        // multiplication that is exact for every 16-bit value; then 1 << pick
        // is read off the float 2^pick.
        const auto* in = reinterpret_cast<const __m128i*>(random_.table.data());
        auto* out = reinterpret_cast<__m128i*>(drawnBits_.data());
        const __m128i magic = _mm_set1_epi16(0x2493);
        const __m128i bias = _mm_set1_epi32(127);
        const __m128i zero = _mm_setzero_si128();
        for (int v = 0; v < kTableVectors; ++v) {
            const __m128i r = _mm_loadu_si128(in + v);
            const __m128i q = _mm_srli_epi16(r, 2);
            const __m128i t = _mm_mulhi_epu16(q, magic);
            const __m128i d =
                _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(_mm_sub_epi16(q, t), 1)), 2);
            const __m128i pick = _mm_sub_epi16(r, _mm_mullo_epi16(d, _mm_set1_epi16(28)));
            const __m128i lo =
                _mm_slli_epi32(_mm_add_epi32(_mm_unpacklo_epi16(pick, zero), bias), 23);
            const __m128i hi =
                _mm_slli_epi32(_mm_add_epi32(_mm_unpackhi_epi16(pick, zero), bias), 23);
            _mm_store_si128(out + 2 * v, _mm_cvttps_epi32(_mm_castsi128_ps(lo)));
            _mm_store_si128(out + 2 * v + 1, _mm_cvttps_epi32(_mm_castsi128_ps(hi)));
        }
        drawnBits_[kStageRandomSize] = kTableEndBit;
#else
        for (int i = 0; i < kStageRandomSize; ++i) {
            drawnBits_[static_cast<std::size_t>(i)] =
                1u << (random_.table[static_cast<std::size_t>(i)] % 28);
        }
#endif
    }

    // First position from `from` on whose orientation is in `stopAt`.
    int scan(int from, uint32_t stopAt) const {
#if defined(__SSE2__)
        const __m128i wanted = _mm_set1_epi32(static_cast<int>(stopAt));
        const __m128i zero = _mm_setzero_si128();
        const auto* bits = reinterpret_cast<const __m128i*>(drawnBits_.data() + from);
        while (true) {
            int rejected = 0;
            for (int j = 0; j < kScanWidth / 4; ++j) {
                const __m128i hit = _mm_and_si128(_mm_loadu_si128(bits + j), wanted);
                rejected |= _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(hit, zero)))
                            << (4 * j);
            }
            const unsigned accepted = ~static_cast<unsigned>(rejected) & 0xFFFFu;
            if (accepted != 0) {
                return from + std::countr_zero(accepted);
            }
            from += kScanWidth;
            bits += kScanWidth / 4;
        }
#else
        while ((drawnBits_[static_cast<std::size_t>(from)] & stopAt) == 0) {
            ++from;
        }
        return from;
#endif
    }

    // Draws until the drawn pick is one of `fitting`; every rejected
    // draw still counts in the sequence.
    int drawFitting(uint32_t fitting) {
        const uint32_t stopAt = fitting | kTableEndBit;
        int index = random_.index;
        while (true) {
            const int found = scan(index + 1, stopAt);
            if (found < kStageRandomSize) {
                random_.draws += static_cast<uint64_t>(found - index);
                random_.index = found;
                return PickOrientation[static_cast<std::size_t>(
                    std::countr_zero(drawnBits_[static_cast<std::size_t>(found)]))];
            }
            // The rest of the table was rejected; the next draw regenerates
            // it and takes its first entry.
            random_.draws += static_cast<uint64_t>(kStageRandomSize - 1 - index);
            RefillStageRandom(random_);
            readTable();
            index = -1;
        }
    }

    void place(Cell p, int orientation) {
        lanes_.set(p.column, ShapeWindow[static_cast<std::size_t>(orientation)] << p.row);
        Block& b = list_[list_.count++];
        b.solutionColumn = p.column;
        b.solutionRow = p.row;
        b.orientation = static_cast<int16_t>(orientation);
        b.kind = OrientationKind[static_cast<std::size_t>(orientation)];
    }

    void removeLast() {
        if (list_.count == 0) {
            return;
        }
        const Block& b = list_[--list_.count];
        const uint64_t shape = ShapeWindow[static_cast<std::size_t>(b.orientation)]
                               << b.solutionRow;
        lanes_.clear(b.solutionColumn, shape);
        if (b.solutionColumn < firstColumn_) {
            firstColumn_ = b.solutionColumn;
        }
    }

    StageRandom& random_;
    int width_;
    int height_;
    BlockList& list_;
    int total_;
    Lanes lanes_;
    int firstColumn_ = 0;
    // One pick bit per table entry, then end marks to cover a full scan that
    // starts at the last entry.
    alignas(16) std::array<uint32_t, 8 * kTableVectors + kScanWidth> drawnBits_{};
};

} // namespace

void GenerateTilingBlocks(StageRandom& random, int width, int height, BlockList& list) {
    Tiler(random, width, height, list).run();
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
