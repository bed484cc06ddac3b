// What crosses between the page, its workers and the engine: block lists
// as their bytes (the page and the workers run the same build, so the
// layout agrees), plans and number lists as arrays of integers.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/block.h"
#include "solver/drag_plan.h"

namespace fenx {

// A copy of the list's bytes as a Uint8Array.
emscripten::val BlockListToJs(const BlockList& blocks);
// The list from such bytes; nothing when the size is wrong or the count is
// out of range.
std::optional<BlockList> BlockListFromBytes(std::string_view bytes);

// {cells: [column, row, ...], drags: [block, first, last, ...]}.
emscripten::val DragPlanToJs(const DragPlan& plan);
// The plan from such arrays; nothing when a drag points outside the cells
// or names no block of `blocks`.
std::optional<DragPlan> DragPlanFromJs(const emscripten::val& cells, const emscripten::val& drags,
                                       const BlockList& blocks);

emscripten::val IntsToJs(const int* values, std::size_t count);

} // namespace fenx
