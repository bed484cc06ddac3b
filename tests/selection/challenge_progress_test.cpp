#include <gtest/gtest.h>

#include <string>

#include "selection/challenge_progress.h"

namespace fenx {
namespace {

std::string Encode(const ChallengeProgress& p) {
    const auto text = EncodeChallengeProgress(p);
    return {text.data(), text.size()};
}

bool AllClear(const ChallengeProgress& p) {
    return p.flags == ChallengeProgress{}.flags;
}

TEST(ChallengeProgress, RoundTrip) {
    ChallengeProgress p;
    for (int row : {0, 3, 7, 13, 54, 200, 255}) {
        p.flags[static_cast<std::size_t>(row)] = true;
    }
    const std::string text = Encode(p);
    ASSERT_EQ(text.size(), 64u);
    EXPECT_EQ(text.find_first_not_of(ProgressAlphabet), std::string::npos);
    EXPECT_EQ(DecodeChallengeProgress(text).flags, p.flags);
    // Nothing solved still scrambles to a valid key of its own.
    EXPECT_TRUE(AllClear(DecodeChallengeProgress(Encode(ChallengeProgress{}))));
    EXPECT_NE(Encode(ChallengeProgress{}), Encode(p));
}

TEST(ChallengeProgress, AKeyOfAnyOtherLengthReadsAsNothingSolved) {
    ChallengeProgress p;
    p.flags.fill(1);
    const std::string text = Encode(p);
    EXPECT_FALSE(AllClear(DecodeChallengeProgress(text)));
    EXPECT_TRUE(AllClear(DecodeChallengeProgress(text.substr(0, 63))));
    EXPECT_TRUE(AllClear(DecodeChallengeProgress(text + "a")));
    EXPECT_TRUE(AllClear(DecodeChallengeProgress("")));
}

TEST(ChallengeProgress, AChangedCharacterClearsAllUnlessItsCheckBitsAgree) {
    ChallengeProgress p;
    p.flags[0] = true;
    p.flags[41] = true;
    const std::string text = Encode(p);
    for (std::size_t position : {0u, 10u, 63u}) {
        int consistent = 0;
        for (char c : ProgressAlphabet) {
            if (c == text[position]) {
                continue;
            }
            std::string changed = text;
            changed[position] = c;
            const ChallengeProgress q = DecodeChallengeProgress(changed);
            if (AllClear(q)) {
                continue;
            }
            ++consistent;
            // Another value with agreeing check bits: different flags there,
            // the same everywhere else.
            for (std::size_t f = 0; f < 256; ++f) {
                if (f / 4 != position) {
                    EXPECT_EQ(q.flags[f], p.flags[f]);
                }
            }
            EXPECT_NE(q.flags, p.flags);
        }
        EXPECT_EQ(consistent, 15) << "position " << position;
    }
}

TEST(ChallengeProgress, ACharacterOutsideTheAlphabetCountsAsTheFirst) {
    const std::string text = Encode(ChallengeProgress{});
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string changed = text;
        changed[i] = '#';
        std::string asFirst = text;
        asFirst[i] = ProgressAlphabet[0];
        EXPECT_EQ(DecodeChallengeProgress(changed).flags, DecodeChallengeProgress(asFirst).flags);
    }
}

} // namespace
} // namespace fenx
