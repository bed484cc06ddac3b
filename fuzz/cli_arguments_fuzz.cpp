// fenx-cli's arguments: anything typed is either refused or read as values
// inside their ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_reader.h"
#include "cli/arguments.h"
#include "cli/stage_size_argument.h"
#include "core/stage_size.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The input as the words of a command line, split at blanks.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        words.push_back(text.substr(0, blank));
        text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto n = fenx::ParseInteger(text, -5, 70000)) {
        Check(*n >= -5 && *n <= 70000);
    }
    fenx::ParseConditions(text);
    // A size is two arguments: split the input at its first blank.
    const std::size_t blank = text.find(' ');
    std::string error;
    if (blank != std::string_view::npos) {
        if (const auto stage =
                fenx::ParseStageSize(text.substr(0, blank), text.substr(blank + 1), error)) {
            Check(stage->width >= 7 && stage->width <= 38 && stage->height >= 3 &&
                  stage->height <= 10);
        }
    }

    // The whole input as a render command line.
    const std::vector<std::string_view> words = Words(text);
    const auto read = fenx::ReadStageArguments(words, {"usage", true, true}, error);
    if (!read) {
        Check(!error.empty());
        return 0;
    }
    Check(fenx::IsValidStageSize(read->width, read->height) && read->number >= 0 &&
          !read->output.empty());
    long hour = -1;
    fenx::FixedBlocks fixed;
    const fenx::CliOption options[] = {
        {"--hour", 1, "--hour refused",
         [&hour](std::span<const std::string_view> values) {
             hour = fenx::ParseInteger(values[0], 0, 23).value_or(-2);
             return hour >= 0;
         }},
        fenx::FixedBlocksOption(fixed, *read),
    };
    error.clear();
    if (fenx::ReadOptions(read->options, options, error)) {
        const int blocks = fenx::BlockCount(read->width, read->height);
        Check(hour >= -1 && hour <= 23 && fixed.first >= -1 && fixed.first < blocks &&
              fixed.second >= -1 && fixed.second < blocks);
    } else {
        Check(!error.empty());
    }
    return 0;
}
