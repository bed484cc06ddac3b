// Any bytes are a settings file: reading never fails, writing back gives the
// same bytes, and setting one key changes no other key's value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_file.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first bytes choose the key and the value to write; the rest is the file.
    const std::size_t split = size > 0 ? data[0] % 16 : 0;
    const std::string_view value = text.substr(size > 0 ? 1 : 0, split);
    const std::string_view file = text.substr(std::min(size, split + 1));
    const fenx::IniFile before = fenx::IniFile::Parse(file);
    Check(before.Serialize() == file);

    static constexpr std::string_view kKeys[] = {"x_size", "y_size", "drag_type", "sound",
                                                 "challenge"};
    const std::string_view key = kKeys[size % 5];
    fenx::IniFile after = before;
    if (!after.Set("FENX", key, value)) {
        return 0;
    }
    Check(after.Get("FENX", key) == std::string(value));
    const fenx::IniFile reread = fenx::IniFile::Parse(after.Serialize());
    Check(reread.Get("FENX", key) == std::string(value));
    for (const std::string_view other : kKeys) {
        if (other != key) {
            Check(reread.Get("FENX", other) == before.Get("FENX", other));
            Check(reread.Get("other", other) == before.Get("other", other));
        }
    }
    return 0;
}
