// Stage numbers. A stage is named by a 16-bit number, 0..65535, which seeds
// its generator; every larger or negative number a player or a program asks
// for names the stage of its low 16 bits.
#pragma once

#include <cstdint>

namespace fenx {

inline constexpr int kStageNumberCount = 65536;
inline constexpr int kHighestStageNumber = kStageNumberCount - 1;

// The stage a requested number names: its low 16 bits.
constexpr int32_t ReduceStageNumber(int64_t number) {
    return static_cast<int32_t>(static_cast<uint64_t>(number) & 0xFFFFu);
}

} // namespace fenx
