#include "presentation/sound_table.h"

namespace fenx {

std::optional<SoundId> SoundIdFromIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kSoundCount)) {
        return std::nullopt;
    }
    return kSoundTable[static_cast<std::size_t>(index)].id;
}

std::optional<SoundId> SoundIdFromResourceName(std::string_view name) {
    for (const SoundEntry& entry : kSoundTable) {
        if (entry.resourceName == name) {
            return entry.id;
        }
    }
    return std::nullopt;
}

} // namespace fenx
