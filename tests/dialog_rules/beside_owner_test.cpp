#include <gtest/gtest.h>

#include <vector>

#include "dialog_rules/beside_owner.h"

namespace fenx {
namespace {

const DialogRect kScreen{0, 0, 1280, 1024};
const DialogRect kOwner{400, 100, 300, 400};

TEST(PlaceBesideOwner, StacksOnTheRightLevelWithTheTopNeverOverTheOwner) {
    const std::vector<FrameSize> dialogs = {{200, 150}, {220, 300}, {180, 120}};
    const std::vector<FramePoint> places = PlaceBesideOwner(kOwner, dialogs, kScreen, 8);
    EXPECT_EQ(places, (std::vector<FramePoint>{{708, 100}, {708, 258}, {708, 566}}));
    // Without a screen there is no edge to keep to.
    EXPECT_EQ(PlaceBesideOwner(kOwner, dialogs, std::nullopt, 8), places);
    EXPECT_TRUE(PlaceBesideOwner(kOwner, {}, kScreen, 8).empty());
}

TEST(PlaceBesideOwner, GoesLeftWhereTheRightHasNoRoomAndStaysOnTheScreen) {
    // Owner grown to the screen's right edge: dialogs stack on its left.
    const DialogRect wide{700, 100, 500, 800};
    const std::vector<FrameSize> dialogs = {{200, 150}, {300, 700}};
    EXPECT_EQ(PlaceBesideOwner(wide, dialogs, kScreen, 8),
              (std::vector<FramePoint>{{492, 100}, {392, 258}}));
    // An owner filling the screen leaves no room beside it: the dialog is
    // kept on the screen, over the owner.
    const DialogRect full{0, 0, 1280, 1024};
    EXPECT_EQ(PlaceBesideOwner(full, std::vector<FrameSize>{{200, 150}}, kScreen, 8),
              (std::vector<FramePoint>{{0, 0}}));
    // The screen need not start at 0, 0.
    const DialogRect second{1280, 0, 1920, 1080};
    EXPECT_EQ(
        PlaceBesideOwner({2900, 900, 200, 100}, std::vector<FrameSize>{{200, 300}}, second, 8),
        (std::vector<FramePoint>{{2692, 780}}));
}

TEST(FitBesideOwner, NarrowsToTheWiderSideAndNeverBelowTheLeast) {
    const FrameSize wanted{560, 640};
    const FrameSize least{320, 240};
    // Room enough on the right (572 px): as wanted.
    EXPECT_EQ(FitBesideOwner(kOwner, wanted, least, kScreen, 8).width, 560);
    // An owner in the middle of a small screen: 320 px on either side.
    const DialogRect small{0, 0, 800, 600};
    const FrameSize fit = FitBesideOwner({328, 200, 144, 200}, wanted, least, small, 8);
    EXPECT_EQ(fit.width, 320);
    EXPECT_EQ(fit.height, 600);
    // The left side wider than the right.
    EXPECT_EQ(FitBesideOwner({500, 0, 200, 100}, wanted, least, small, 8).width, 492);
    // No room at all: the least, even if it then covers the owner.
    EXPECT_EQ(FitBesideOwner(small, wanted, least, small, 8).width, 320);
    EXPECT_EQ(FitBesideOwner(kOwner, wanted, least, std::nullopt, 8).width, 560);
}

} // namespace
} // namespace fenx
