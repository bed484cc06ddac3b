// Any fenx.log gives entries the game can start: stage sizes only, marks
// only where a solved line of the same stage exists.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/stage_size.h"
#include "selection/history_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = fenx::ParseHistory(text);
    for (const fenx::HistoryEntry& e : entries) {
        if (!fenx::IsValidStageSize(e.line.width, e.line.height) || e.status < 0 || e.status > 2 ||
            e.line.whenText().size() > 14 || (e.status == fenx::HistorySolved) != e.line.solved) {
            std::abort();
        }
        fenx::HistoryListLine(e);
    }
    return 0;
}
