// The language the game speaks: read from the stored key at start-up, or
// chosen for this start and then stored; and the window titles it gives.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "stage/settings.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

struct StoredLanguage {
    const char* text; // nullptr: no key
    Language expected;
};

class StoredLanguageTest : public ::testing::TestWithParam<StoredLanguage> {};

TEST_P(StoredLanguageTest, OnlyExactlyEnIsEnglishAndTheKeyIsLeftAsItIs) {
    const StoredLanguage& p = GetParam();
    GameHarness h;
    if (p.text != nullptr) {
        h.platform.settings["language"] = p.text;
    }
    h.StartUp();
    EXPECT_EQ(h.game->language(), p.expected);
    EXPECT_EQ(h.platform.titles.back(), p.expected == Language::English ? "FENX" : "ＤＯＤＩ");
    // Reading never writes: only the size is written back.
    EXPECT_EQ(h.platform.writes.size(), 2u);
    EXPECT_EQ(h.platform.ReadSetting("language"),
              p.text ? std::optional<std::string>(p.text) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Keys, StoredLanguageTest,
                         ::testing::Values(StoredLanguage{"en", Language::English},
                                           StoredLanguage{"ja", Language::Japanese},
                                           StoredLanguage{nullptr, Language::Japanese},
                                           StoredLanguage{"", Language::Japanese},
                                           StoredLanguage{"EN", Language::Japanese},
                                           StoredLanguage{"en-GB", Language::Japanese},
                                           StoredLanguage{"fr", Language::Japanese}));

TEST(ChosenLanguage, HoldsOverTheStoredOneAndIsStoredAfterTheSizeWhenItDiffers) {
    struct Case {
        const char* stored;
        Language chosen;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {nullptr, Language::English, {"write x_size=7", "write y_size=4", "write language=en"}},
        {"ja", Language::English, {"write x_size=7", "write y_size=4", "write language=en"}},
        {"en", Language::Japanese, {"write x_size=7", "write y_size=4", "write language=ja"}},
        {"fr", Language::Japanese, {"write x_size=7", "write y_size=4", "write language=ja"}},
        // The same language again writes nothing more.
        {"en", Language::English, {"write x_size=7", "write y_size=4"}},
        {"ja", Language::Japanese, {"write x_size=7", "write y_size=4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "no key");
        GameHarness h;
        if (c.stored != nullptr) {
            h.platform.settings["language"] = c.stored;
        }
        h.game->StartUp(c.chosen);
        EXPECT_EQ(h.game->language(), c.chosen);
        std::vector<std::string> writes;
        for (const std::string& event : h.platform.events) {
            if (event.starts_with("write ")) {
                writes.push_back(event);
            }
        }
        EXPECT_EQ(writes, c.writes);
        // A later start without a choice speaks the stored language.
        GameHarness later;
        later.platform.settings = h.platform.settings;
        later.StartUp();
        EXPECT_EQ(later.game->language(), c.chosen);
    }
}

TEST(EnglishTitles, StagesByNumberAndChallengesByTheirEnglishNames) {
    GameHarness h;
    h.platform.settings["language"] = "en";
    h.StartUp();
    h.game->StartStageNumber(70000); // counts as 4464
    EXPECT_EQ(h.platform.titles.back(), "Stage 4464");
    h.game->StartChallenge(17);
    EXPECT_EQ(h.platform.titles.back(), "Medium 5 Nothing special");
    // The search returns to the title screen.
    h.game->ShowTitleScreen();
    EXPECT_EQ(h.platform.titles.back(), "FENX");
}

} // namespace
} // namespace fenx::testing
