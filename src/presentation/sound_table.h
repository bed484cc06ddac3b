// The game's four sound effects. Callers name a sound by its index in this
// table; each entry gives the resource name the sound is stored under and the
// file it is generated into.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace fenx {

enum class SoundId : uint8_t {
    Tada = 0,  // a stage is solved
    Click = 1, // a block is picked up; the placement hint is pressed
    Slide = 2, // a stage starts, once its first picture is on screen
    Open = 3,  // the program has started; the about box opens
};

inline constexpr std::size_t kSoundCount = 4;

struct SoundEntry {
    SoundId id;
    std::string_view resourceName; // "SNDTADA", ...
    std::string_view fileName;     // "sndtada.wav", ... in resources/
};

// The resource type all four sounds are stored under.
inline constexpr std::string_view kSoundResourceType = "WAVE";

inline constexpr std::array<SoundEntry, kSoundCount> kSoundTable = {{
    {SoundId::Tada, "SNDTADA", "sndtada.wav"},
    {SoundId::Click, "SNDCLICK", "sndclick.wav"},
    {SoundId::Slide, "SNDSLIDE", "sndslide.wav"},
    {SoundId::Open, "SNDOPEN", "sndopen.wav"},
}};

inline constexpr std::size_t SoundIndex(SoundId id) {
    return static_cast<std::size_t>(id);
}

inline constexpr const SoundEntry& SoundEntryFor(SoundId id) {
    return kSoundTable[SoundIndex(id)];
}

// The sound at a table index, or nullopt outside 0..3.
std::optional<SoundId> SoundIdFromIndex(int index);

// The sound stored under a resource name (exact, upper case), or nullopt.
std::optional<SoundId> SoundIdFromResourceName(std::string_view name);

} // namespace fenx
