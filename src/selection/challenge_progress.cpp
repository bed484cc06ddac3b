#include "selection/challenge_progress.h"

#include <bit>

#include "core/stage_random.h"

namespace fenx {
namespace {

// The codec seeds a generator of its own. The stage generator of a game is
// reseeded by every stage start, so sharing it would change nothing.
StageRandom SeededForProgress() {
    StageRandom random;
    SeedStageRandom(random, ProgressSeed);
    return random;
}

uint32_t ScrambleBits(StageRandom& random) {
    return NextStageRandom(random) & 0x3Fu;
}

} // namespace

std::array<char, kProgressTextLength> EncodeChallengeProgress(const ChallengeProgress& progress) {
    StageRandom random = SeededForProgress();
    std::array<char, kProgressTextLength> text{};
    for (std::size_t i = 0; i < kProgressTextLength; ++i) {
        uint32_t bits = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            bits |= (progress.flags[4 * i + j] ? 1u : 0u) << j;
        }
        const uint32_t count = static_cast<uint32_t>(std::popcount(bits));
        const uint32_t value = bits + 16u * (count % 4u);
        text[i] = ProgressAlphabet[value ^ ScrambleBits(random)];
    }
    return text;
}

ChallengeProgress DecodeChallengeProgress(std::string_view text) {
    ChallengeProgress progress;
    if (text.size() != kProgressTextLength) {
        return progress;
    }
    StageRandom random = SeededForProgress();
    for (std::size_t i = 0; i < kProgressTextLength; ++i) {
        const std::size_t position = ProgressAlphabet.find(text[i]);
        uint32_t v = position == std::string_view::npos ? 0u : static_cast<uint32_t>(position);
        v ^= ScrambleBits(random);
        const uint32_t bits = v & 0xFu;
        for (std::size_t j = 0; j < 4; ++j) {
            progress.flags[4 * i + j] = ((bits >> j) & 1u) != 0;
        }
        if ((v >> 4) % 4u != static_cast<uint32_t>(std::popcount(bits)) % 4u) {
            return ChallengeProgress{};
        }
    }
    return progress;
}

std::string MergeChallengeProgress(std::optional<std::string_view> stored, std::string_view ours) {
    ChallengeProgress merged = DecodeChallengeProgress(ours);
    if (stored) {
        const ChallengeProgress theirs = DecodeChallengeProgress(*stored);
        for (std::size_t i = 0; i < merged.flags.size(); ++i) {
            merged.flags[i] = merged.flags[i] != 0 || theirs.flags[i] != 0 ? 1 : 0;
        }
    }
    const auto text = EncodeChallengeProgress(merged);
    return {text.data(), text.size()};
}

} // namespace fenx
