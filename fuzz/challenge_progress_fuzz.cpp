// Any stored text decodes to some progress, and that progress survives its
// own encoding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "selection/challenge_progress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const fenx::ChallengeProgress progress = fenx::DecodeChallengeProgress(text);
    const auto encoded = fenx::EncodeChallengeProgress(progress);
    const fenx::ChallengeProgress again =
        fenx::DecodeChallengeProgress({encoded.data(), encoded.size()});
    if (again.flags != progress.flags) {
        std::abort();
    }
    return 0;
}
