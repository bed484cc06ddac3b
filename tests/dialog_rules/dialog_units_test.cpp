#include <gtest/gtest.h>

#include "dialog_rules/dialog_units.h"

namespace fenx {
namespace {

TEST(DialogUnits, BaseWidthIsTheRoundedAverageLetterWidth) {
    EXPECT_EQ(kBaseUnitLetters.size(), 52u);
    // 52 letters 312 pixels wide: 6 per letter.
    EXPECT_EQ(BaseUnitsOf(312, 12), (DialogBaseUnits{6, 12}));
    // 5.5 per letter rounds up, 5.48 down.
    EXPECT_EQ(BaseUnitsOf(286, 13).x, 6);
    EXPECT_EQ(BaseUnitsOf(285, 13).x, 5);
    EXPECT_EQ(BaseUnitsOf(259, 13).x, 5);
    EXPECT_EQ(BaseUnitsOf(285, 13).y, 13);
}

TEST(DialogUnits, ConvertsToRoundedPixels) {
    const DialogBaseUnits base{6, 13};
    // 130 x 125 units: 195 x 203.125 pixels.
    EXPECT_EQ(HorizontalPixels(130, base), 195);
    EXPECT_EQ(VerticalPixels(125, base), 203);
    // Halves round up: 3 * 6 / 4 = 4.5, 4 * 13 / 8 = 6.5.
    EXPECT_EQ(HorizontalPixels(3, base), 5);
    EXPECT_EQ(VerticalPixels(4, base), 7);
    EXPECT_EQ(HorizontalPixels(0, base), 0);
    EXPECT_EQ(HorizontalPixels(-3, base), -5);
    EXPECT_EQ(ToPixels({70, 105, 50, 14}, base), (DialogRect{105, 171, 75, 23}));
    EXPECT_EQ(ToPixels({85, 8, 9, 10}, DialogBaseUnits{7, 16}), (DialogRect{149, 16, 16, 20}));
}

} // namespace
} // namespace fenx
