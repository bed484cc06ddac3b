#include "web/transfer.h"

#include <cstring>
#include <vector>

namespace fenx {

using emscripten::val;

val BlockListToJs(const BlockList& blocks) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&blocks);
    // slice() copies out of the engine's memory, which may move when it grows.
    return val(emscripten::typed_memory_view(sizeof(BlockList), bytes)).call<val>("slice");
}

std::optional<BlockList> BlockListFromBytes(std::string_view bytes) {
    if (bytes.size() != sizeof(BlockList)) {
        return std::nullopt;
    }
    BlockList blocks;
    std::memcpy(&blocks, bytes.data(), sizeof(BlockList));
    if (blocks.count < 0 || blocks.count > kMaxBlocks) {
        return std::nullopt;
    }
    return blocks;
}

val IntsToJs(const int* values, std::size_t count) {
    return val(emscripten::typed_memory_view(count, values)).call<val>("slice");
}

val DragPlanToJs(const DragPlan& plan) {
    std::vector<int> cells;
    cells.reserve(plan.cells.size() * 2);
    for (const Cell& cell : plan.cells) {
        cells.push_back(cell.column);
        cells.push_back(cell.row);
    }
    std::vector<int> drags;
    drags.reserve(plan.drags.size() * 3);
    for (const SolverDrag& drag : plan.drags) {
        drags.push_back(drag.block);
        drags.push_back(drag.first);
        drags.push_back(drag.last);
    }
    val result = val::object();
    result.set("cells", IntsToJs(cells.data(), cells.size()));
    result.set("drags", IntsToJs(drags.data(), drags.size()));
    result.set("steps", plan.steps);
    result.set("solved", plan.solved);
    return result;
}

std::optional<DragPlan> DragPlanFromJs(const val& cells, const val& drags,
                                       const BlockList& blocks) {
    const std::vector<int> cellValues = emscripten::vecFromJSArray<int>(cells);
    const std::vector<int> dragValues = emscripten::vecFromJSArray<int>(drags);
    if (cellValues.size() % 2 != 0 || dragValues.size() % 3 != 0) {
        return std::nullopt;
    }
    DragPlan plan;
    for (std::size_t i = 0; i < cellValues.size(); i += 2) {
        plan.cells.push_back({cellValues[i], cellValues[i + 1]});
    }
    const auto cellCount = static_cast<int>(plan.cells.size());
    for (std::size_t i = 0; i < dragValues.size(); i += 3) {
        const SolverDrag drag{static_cast<int16_t>(dragValues[i]), dragValues[i + 1],
                              dragValues[i + 2]};
        if (dragValues[i] < 0 || dragValues[i] >= blocks.count || drag.first < 0 ||
            drag.last <= drag.first || drag.last > cellCount) {
            return std::nullopt;
        }
        plan.drags.push_back(drag);
    }
    return plan;
}

} // namespace fenx
