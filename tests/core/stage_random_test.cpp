#include <gtest/gtest.h>

#include <vector>

#include "core/reference_stage.h"
#include "core/stage_random.h"

namespace fenx {
namespace {

std::vector<int> Draws(StageRandom& random, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(NextStageRandom(random));
    }
    return out;
}

std::vector<int> FirstDraws(uint32_t seed, int n) {
    StageRandom random;
    SeedStageRandom(random, seed);
    return Draws(random, n);
}

TEST(StageRandom, KnownSequencesAfterSeeding) {
    EXPECT_EQ(FirstDraws(0, 10), (std::vector<int>{21639, 59234, 38899, 56323, 63620, 11278, 10205,
                                                   17796, 55970, 35357}));
    EXPECT_EQ(FirstDraws(12345, 10), (std::vector<int>{54580, 32406, 2347, 50598, 36601, 13392,
                                                       60548, 20743, 7243, 43193}));
    EXPECT_EQ(FirstDraws(65535, 10), (std::vector<int>{26738, 65166, 3323, 43848, 55399, 58812,
                                                       19454, 41961, 7601, 44705}));
}

TEST(StageRandom, SequenceRunsOnAcrossARegeneration) {
    // A regeneration falls between draws 55 and 56.
    const auto all = FirstDraws(65535, 60);
    const std::vector<int> draws51to60(all.begin() + 50, all.end());
    EXPECT_EQ(draws51to60, (std::vector<int>{529, 35046, 38332, 57788, 14700, 56528, 14190, 37097,
                                             40910, 53268}));
}

TEST(StageRandom, OnlyTheLowSixteenBitsOfTheSeedCount) {
    EXPECT_EQ(FirstDraws(65536, 200), FirstDraws(0, 200));
    EXPECT_EQ(FirstDraws(70000, 200), FirstDraws(4464, 200));
}

TEST(StageRandom, ReseedingRestartsTheSequenceAndTheDrawCount) {
    StageRandom random;
    SeedStageRandom(random, 777);
    const auto first = Draws(random, 120);
    EXPECT_EQ(random.draws, 120u);
    SeedStageRandom(random, 5);
    Draws(random, 33);
    SeedStageRandom(random, 777);
    EXPECT_EQ(random.draws, 0u);
    EXPECT_EQ(Draws(random, 120), first);
}

TEST(ProcessRandom, SequenceFromProgramStart) {
    ProcessRandom random;
    std::vector<int> out;
    for (int i = 0; i < 10; ++i) {
        out.push_back(NextProcessRandom(random));
    }
    EXPECT_EQ(out,
              (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
}

TEST(ProcessRandom, IndependentInstancesDoNotShareState) {
    ProcessRandom a;
    ProcessRandom b;
    NextProcessRandom(a);
    NextProcessRandom(a);
    EXPECT_EQ(NextProcessRandom(b), 41);
    EXPECT_EQ(NextProcessRandom(a), 6334);
}

} // namespace
} // namespace fenx

namespace fenx {
namespace {

// The seeded table is computed as slope * seed + offset per entry, already
// regenerated for the first draw; after that draw it must be the table of
// the step-by-step seeding, for every stage number and for seeds whose high
// bits are set.
TEST(StageRandom, SeedingMatchesTheStepByStepSeedingForEveryStageNumber) {
    StageRandom fast;
    StageRandom plain;
    for (uint32_t seed : {0u, 1u, 65535u, 65536u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SeedStageRandom(fast, seed);
        reference::SeedStageRandom(plain, seed);
        ASSERT_EQ(NextStageRandom(fast), NextStageRandom(plain)) << seed;
        ASSERT_EQ(fast.table, plain.table) << seed;
    }
    for (uint32_t seed = 0; seed < 65536; ++seed) {
        SeedStageRandom(fast, seed);
        reference::SeedStageRandom(plain, seed);
        ASSERT_EQ(NextStageRandom(fast), NextStageRandom(plain)) << seed;
        ASSERT_EQ(fast.table, plain.table) << seed;
        ASSERT_EQ(fast.index, plain.index);
        ASSERT_EQ(fast.draws, plain.draws);
    }
}

} // namespace
} // namespace fenx
