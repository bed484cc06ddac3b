// The draws of StageRandom as generation sees them. A draw r picks kind
// (r >> 2) mod 7 and rotation r & 3, that is the pick numbered
// 4 * kind + rotation = r mod 28. Rather than test draw after draw, the picks
// of a whole table of 55 draws are read at once, and the first acceptable
// one is found sixteen draws at a time.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/column_bits.h"
#include "core/stage_random.h"
#include "core/tiling_lanes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fenx {

inline constexpr int kPickCount = 28;

inline constexpr std::array<uint8_t, kPickCount> PickOrientation = [] {
    std::array<uint8_t, kPickCount> table{};
    for (int pick = 0; pick < kPickCount; ++pick) {
        table[static_cast<std::size_t>(pick)] =
            static_cast<uint8_t>(KindOrientationTable[pick / 4][pick % 4]);
    }
    return table;
}();

inline constexpr std::array<uint64_t, kPickCount> PickShape = [] {
    std::array<uint64_t, kPickCount> shapes{};
    for (int pick = 0; pick < kPickCount; ++pick) {
        shapes[static_cast<std::size_t>(pick)] =
            ShapeWindow[PickOrientation[static_cast<std::size_t>(pick)]];
    }
    return shapes;
}();

// The picks (bit 0..27) of each orientation.
inline constexpr std::array<uint32_t, kOrientationCount> OrientationPicks = [] {
    std::array<uint32_t, kOrientationCount> picks{};
    for (int pick = 0; pick < kPickCount; ++pick) {
        picks[PickOrientation[static_cast<std::size_t>(pick)]] |= 1u << pick;
    }
    return picks;
}();

// For every FitIndex, the picks (bit 0..27) whose orientation fits there.
inline constexpr std::array<uint32_t, 4096> FittingPickTable = [] {
    std::array<uint32_t, 4096> table{};
    for (std::size_t w = 0; w < table.size(); ++w) {
        uint32_t picks = 0;
        for (uint32_t fits = FitMaskTable[w]; fits != 0; fits &= fits - 1) {
            picks |= OrientationPicks[static_cast<std::size_t>(std::countr_zero(fits))];
        }
        table[w] = picks;
    }
    return table;
}();

// The picks of one table of draws, as one bit each.
class DrawPicks {
  public:
    // Marks the end of the table: its bit is added to every set of wanted
    // picks, so a scan always stops there.
    static constexpr uint32_t kEndBit = 1u << 31;

    DrawPicks() { bits_.fill(kEndBit); }

    // Reads the picks of the generator's current table.
    void read(const StageRandom& random);
    // First position from `from` (0..55) on whose pick is in `wanted`;
    // kStageRandomSize when none in the table is.
    int scan(int from, uint32_t wanted) const;
    int pickAt(int position) const;

  private:
    static constexpr int kScanWidth = 16;
    // The table is read eight entries at a time; the last read takes the
    // spare entry past the table, whose result the end mark then replaces.
    static constexpr int kTableVectors = (kStageRandomSize + 7) / 8;

    alignas(16) std::array<uint32_t, 8 * kTableVectors + kScanWidth> bits_{};
};

// Inline: this runs once for every block placed.
inline int DrawPicks::scan(int from, uint32_t wanted) const {
    const uint32_t stopAt = wanted | kEndBit;
#if defined(__SSE2__)
    const __m128i stop = _mm_set1_epi32(static_cast<int>(stopAt));
    const __m128i zero = _mm_setzero_si128();
    const auto* bits = reinterpret_cast<const __m128i*>(bits_.data() + from);
    while (true) {
        int rejected = 0;
        for (int j = 0; j < kScanWidth / 4; ++j) {
            const __m128i hit = _mm_and_si128(_mm_loadu_si128(bits + j), stop);
            rejected |= _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(hit, zero))) << (4 * j);
        }
        const unsigned accepted = ~static_cast<unsigned>(rejected) & 0xFFFFu;
        if (accepted != 0) {
            return from + std::countr_zero(accepted);
        }
        from += kScanWidth;
        bits += kScanWidth / 4;
    }
#else
    while ((bits_[static_cast<std::size_t>(from)] & stopAt) == 0) {
        ++from;
    }
    return from;
#endif
}

inline int DrawPicks::pickAt(int position) const {
    return std::countr_zero(bits_[static_cast<std::size_t>(position)]);
}

} // namespace fenx
