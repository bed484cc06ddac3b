#include <gtest/gtest.h>

#include <string>

#include "stage/settings.h"
#include "support/game_harness.h"

namespace fenx::testing {
namespace {

TEST(ParseSettingInt, ReadsASignedDecimalPrefixAndWrapsLikeA32BitInteger) {
    EXPECT_EQ(ParseSettingInt(std::nullopt, 7), 7);
    EXPECT_EQ(ParseSettingInt("", 7), 7);
    EXPECT_EQ(ParseSettingInt("12", 7), 12);
    EXPECT_EQ(ParseSettingInt("  \t-12abc", 7), -12);
    EXPECT_EQ(ParseSettingInt("+5", 7), 5);
    EXPECT_EQ(ParseSettingInt("abc", 7), 0);
    EXPECT_EQ(ParseSettingInt("   ", 7), 0);
    EXPECT_EQ(ParseSettingInt("- 3", 7), 0);
    EXPECT_EQ(ParseSettingInt("4294967297", 7), 1); // wraps at 2^32
    EXPECT_EQ(ParseSettingInt("2147483648", 7), -2147483647 - 1);
}

struct StoredSize {
    const char* width; // nullptr: key absent
    const char* height;
    int expectedWidth;
    int expectedHeight;
};

class StoredSizeTest : public ::testing::TestWithParam<StoredSize> {};

TEST_P(StoredSizeTest, ClampedAndWrittenBackAtStartUp) {
    const StoredSize& p = GetParam();
    GameHarness h;
    if (p.width != nullptr) {
        h.platform.settings["x_size"] = p.width;
        h.platform.settings["y_size"] = p.height;
    }
    h.StartUp();
    EXPECT_EQ(h.game->StageWidth(), p.expectedWidth);
    EXPECT_EQ(h.game->StageHeight(), p.expectedHeight);
    EXPECT_EQ(h.platform.settings["x_size"], std::to_string(p.expectedWidth));
    EXPECT_EQ(h.platform.settings["y_size"], std::to_string(p.expectedHeight));
    EXPECT_EQ(h.game->ClientSize(),
              (PixelSize{(p.expectedWidth + 2) * 16, (p.expectedHeight + 1) * 32}));
    EXPECT_EQ(h.game->Surface().width(), (p.expectedWidth + 2) * 16);
}

INSTANTIATE_TEST_SUITE_P(Sizes, StoredSizeTest,
                         ::testing::Values(StoredSize{nullptr, nullptr, 7, 4},
                                           StoredSize{"100", "20", 38, 10},
                                           StoredSize{"100", "1", 7, 4}, // 38 x 3: 114 cells
                                           StoredSize{"9", "5", 7, 4}, StoredSize{"10", "6", 10, 6},
                                           StoredSize{"40", "12", 38, 10},
                                           StoredSize{"40", "2", 7, 4}, StoredSize{"9", "3", 7, 4},
                                           StoredSize{" 12", "4x", 12, 4}));

TEST(StartUpSettings, NoFileMeansPlainLookSoundOnAndNothingSolved) {
    GameHarness h;
    h.StartUp();
    const MenuMarks menu = h.game->GetMenuMarks();
    EXPECT_EQ(menu.dragModeMark, 0);
    EXPECT_TRUE(menu.soundChecked);
    EXPECT_EQ(menu.sizeMark, 0);
    for (int row = 0; row < 55; ++row) {
        EXPECT_FALSE(h.game->ChallengeSolved(row));
    }
    EXPECT_EQ(h.platform.writes.size(), 2u); // the size, nothing else
    EXPECT_EQ(h.platform.settingWrites, 1);  // both of its values at once
}

TEST(StartUpSettings, StoredDragTypeOutsideTheMenuMarksNoItemUntilOneIsChosen) {
    for (const char* stored : {"7", "-1"}) {
        GameHarness h;
        h.platform.settings["drag_type"] = stored;
        h.StartUp();
        EXPECT_EQ(h.game->GetMenuMarks().dragModeMark, -1) << stored;
        EXPECT_EQ(h.platform.settings["drag_type"], stored); // kept as it is
        for (int id : {CmdDragDotted, CmdDragFlash, CmdDragPlain}) {
            h.game->OnCommand(id);
            EXPECT_EQ(h.platform.settings["drag_type"], std::to_string(id - CmdDragPlain));
            EXPECT_EQ(h.game->GetMenuMarks().dragModeMark, id - CmdDragPlain);
        }
    }
}

TEST(StartUpSettings, AnyNonZeroSoundIsOnAndTogglingWritesZeroThenOne) {
    GameHarness h;
    h.platform.settings["sound"] = "5";
    h.StartUp();
    EXPECT_TRUE(h.game->GetMenuMarks().soundChecked);
    h.game->OnCommand(CmdSound);
    EXPECT_EQ(h.platform.writes.back(), (std::pair<std::string, std::string>{"sound", "0"}));
    EXPECT_FALSE(h.game->GetMenuMarks().soundChecked);
    h.game->OnCommand(CmdSound);
    EXPECT_EQ(h.platform.writes.back(), (std::pair<std::string, std::string>{"sound", "1"}));
}

TEST(StartUpSettings, WithSoundOffNothingPlaysUntilItIsSwitchedOn) {
    GameHarness h;
    h.platform.settings["sound"] = "0";
    h.StartUp();
    h.game->PlayStartJingle();
    h.StartPlaying(2);
    h.Press(0, 7);
    h.Release();
    EXPECT_TRUE(h.platform.sounds.empty());
    h.game->OnCommand(CmdSound);
    h.Press(0, 7);
    EXPECT_EQ(h.platform.sounds, std::vector<SoundId>{SoundId::Click});
}

} // namespace
} // namespace fenx::testing
