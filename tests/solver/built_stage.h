// A stage as the generator builds it, and a planner's work loaded with it,
// for the tests that look into the planner's parts directly.
#pragma once

#include <chrono>
#include <memory>

#include "core/stage_build.h"
#include "solver/planner_work.h"

namespace fenx {

struct Stage {
    StageRandom random;
    Board board;
    BlockList blocks;
};

inline std::unique_ptr<Stage> MakeStage(int width, int height, int number, FixedBlocks fixed = {}) {
    auto s = std::make_unique<Stage>();
    BuildStage(s->random, s->board, s->blocks, width, height, number, fixed);
    return s;
}

// At the stage's start, with time enough for any search.
inline std::unique_ptr<PlannerWork> Loaded(const Stage& s, int width, int height) {
    auto w = std::make_unique<PlannerWork>();
    w->Load(s.blocks, width, height);
    w->deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    w->Restart();
    return w;
}

} // namespace fenx
