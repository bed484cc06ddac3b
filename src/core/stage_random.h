// The two random generators of the game.
//
// StageRandom makes every stage reproducible: a lagged subtractive generator
// (x[n] = x[n-55] - x[n-24] mod 65536) seeded from the 16-bit stage number.
// ProcessRandom supplies choices that need not repeat between runs.
// Both are our own code so that a stage number means the same stage on every
// machine, whatever the platform's library does.
#pragma once

#include <array>
#include <cstdint>

namespace fenx {

inline constexpr int kStageRandomSize = 55;

struct StageRandom {
    // Entries are kept as 16-bit values; the subtraction wraps modulo 65536,
    // which is exactly "subtract, add 65536 if negative". One spare entry
    // lets the table be read in whole 16-byte vectors.
    alignas(16) std::array<uint16_t, kStageRandomSize + 1> table{};
    // Position of the entry handed out by the last draw.
    int index = kStageRandomSize - 1;
    // Draws taken since the last seeding; lets callers count what a step cost.
    uint64_t draws = 0;
};

void SeedStageRandom(StageRandom& random, uint32_t seed);
void RefillStageRandom(StageRandom& random);

inline uint16_t NextStageRandom(StageRandom& random) {
    if (++random.index >= kStageRandomSize) {
        RefillStageRandom(random);
        random.index = 0;
    }
    ++random.draws;
    return random.table[random.index];
}

struct ProcessRandom {
    uint32_t state = 1;
};

// Returns 0..32767: bits 16..30 of the advanced state.
inline int NextProcessRandom(ProcessRandom& random) {
    random.state = random.state * 214013u + 2531011u;
    return static_cast<int>((random.state >> 16) & 0x7FFF);
}

} // namespace fenx
