// A setting as the game hands it to its store: a key of the [FENX] section
// of fenx.ini and its text, and how a key whose value only ever grows (the
// solved challenges) is combined with what another copy of the game stored
// meanwhile.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fenx {

struct SettingValue {
    std::string_view key;
    std::string_view value;
};

// From the text stored on disk (nothing when the key is absent) and this
// game's text, the text that keeps what either holds. A plain function, so
// a store may keep it for a write it has to try again later.
using SettingMerge = std::string (*)(std::optional<std::string_view> stored, std::string_view ours);

} // namespace fenx
