// fenx-cli's number and condition arguments: anything typed is either
// refused or read as a value inside its range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/stage_size_argument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto n = fenx::ParseInteger(text, -5, 70000)) {
        if (*n < -5 || *n > 70000) {
            std::abort();
        }
    }
    fenx::ParseConditions(text);
    // A size is two arguments: split the input at its first blank.
    const std::size_t blank = text.find(' ');
    std::string error;
    if (blank != std::string_view::npos) {
        if (const auto stage =
                fenx::ParseStageSize(text.substr(0, blank), text.substr(blank + 1), error)) {
            if (stage->width < 7 || stage->width > 38 || stage->height < 3 || stage->height > 10) {
                std::abort();
            }
        }
    }
    return 0;
}
