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
    // Position of the entry handed out by the last draw; -1 when the next
    // draw takes the first entry without a regeneration.
    int index = kStageRandomSize - 1;
    // Draws taken since the last seeding; lets callers count what a step cost.
    uint64_t draws = 0;
};

// Leaves the table as the first draw's regeneration makes it, with index -1:
// the draws that follow are exactly those of the seeding step by step.
void SeedStageRandom(StageRandom& random, uint32_t seed);

// x[n] = x[n-55] - x[n-24] for a whole table: the first 24 new entries need
// only old ones, the next 24 only the first 24 new ones, the last 7 the next
// 7. Three loops with no step depending on another of its own loop.
constexpr void RefillStageRandom(StageRandom& random) {
    auto& t = random.table;
    for (int i = 0; i < 24; ++i) {
        t[i] = static_cast<uint16_t>(t[i] - t[i + 31]);
    }
    for (int i = 24; i < 48; ++i) {
        t[i] = static_cast<uint16_t>(t[i] - t[i - 24]);
    }
    for (int i = 48; i < kStageRandomSize; ++i) {
        t[i] = static_cast<uint16_t>(t[i] - t[i - 24]);
    }
}

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
