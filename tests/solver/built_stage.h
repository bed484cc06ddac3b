// A planner's work loaded with a stage as the generator builds it, for the
// tests that look into the planner's parts directly.
#pragma once

#include <chrono>
#include <memory>

#include "core/stage_build.h"
#include "solver/planner_work.h"

namespace fenx {

// At the stage's start, with time enough for any search.
inline std::unique_ptr<PlannerWork> Loaded(const BuiltStage& s, int width, int height) {
    auto w = std::make_unique<PlannerWork>();
    w->Load(s.blocks, width, height);
    w->deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    w->Restart();
    return w;
}

} // namespace fenx
