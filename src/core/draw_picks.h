// The draws of StageRandom as generation sees them. A draw r picks kind
// (r >> 2) mod 7 and rotation r & 3, that is the pick numbered
// 4 * kind + rotation = r mod 28. The picks of a whole table of 55 draws are
// read at once after each regeneration, and the first pick that fits is
// looked for among them.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/column_bits.h"
#include "core/stage_random.h"

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

// The picks (bit 0..27) of each orientation.
inline constexpr std::array<uint32_t, kOrientationCount> OrientationPicks = [] {
    std::array<uint32_t, kOrientationCount> picks{};
    for (int pick = 0; pick < kPickCount; ++pick) {
        picks[PickOrientation[static_cast<std::size_t>(pick)]] |= 1u << pick;
    }
    return picks;
}();

// For every window of FitMaskTable, the picks (bit 0..27) whose orientation
// fits there; 0 at a dead end.
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

// The pick of every draw of one table, one byte each, padded with a pick that
// never fits (bit 31 is never among the picks of a fit), so that a search can
// read whole vectors, or runs of bytes from any position, and always stops
// at the end.
inline constexpr uint8_t kEndPick = 31;
struct alignas(64) TablePicks {
    std::array<uint8_t, 128> pick{};
};

} // namespace fenx
