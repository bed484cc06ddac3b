#include "selection/size_choice.h"

#include <algorithm>

#include "core/stage_size.h"

namespace fenx {
namespace {

int32_t Clamp(std::optional<uint32_t> typed, int32_t current, int32_t low, int32_t high) {
    if (!typed) {
        return current;
    }
    return static_cast<int32_t>(
        std::clamp<uint32_t>(*typed, static_cast<uint32_t>(low), static_cast<uint32_t>(high)));
}

} // namespace

std::optional<StageSize> SizeToStart(std::optional<uint32_t> width, std::optional<uint32_t> height,
                                     StageSize current) {
    const StageSize size{Clamp(width, current.width, kMinWidth, kMaxWidth),
                         Clamp(height, current.height, kMinHeight, kMaxHeight)};
    if (size.width * size.height % 4 != 0) {
        return std::nullopt;
    }
    return size;
}

} // namespace fenx
