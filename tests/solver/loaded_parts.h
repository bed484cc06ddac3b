// A planner's parts loaded with a stage as the generator builds it, for the
// tests that look into the parts directly.
#pragma once

#include <memory>

#include "core/stage_build.h"
#include "solver/planner_parts.h"

namespace fenx {

// At the stage's start, with time enough for any search.
inline std::unique_ptr<PlannerParts> Loaded(const BuiltStage& s, int width, int height) {
    auto w = std::make_unique<PlannerParts>();
    w->position.Load(s.blocks, width, height);
    w->budget.Start(60000, nullptr);
    w->position.Restart();
    return w;
}

} // namespace fenx
