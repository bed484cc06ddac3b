#include <gtest/gtest.h>

#include <vector>

#include "dialog_rules/picture_rows.h"

namespace fenx {
namespace {

TEST(PictureRowShifts, EveryRowKeepsTheTopRowsGapToItsOwnControls) {
    // Rows of controls at 91, 177 and 267 pixels over pictures on a 16-pixel
    // grid; listed out of order, as a right-hand column of pictures is.
    const std::vector<PictureOverControl> pictures = {
        {160, 177}, {240, 267}, {80, 91}, {144, 177}, {224, 267}, {80, 91}, {160, 177},
    };
    const std::vector<int> shifts = PictureRowShifts(pictures);
    // The top row has 11 pixels to its controls and stays.
    EXPECT_EQ(shifts, (std::vector<int>{6, 16, 0, 6, 16, 0, 6}));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        // The row moves as a whole: its lowest picture ends 11 pixels above
        // its controls, the others keep their places against it.
        EXPECT_LE(pictures[i].pictureBottom + shifts[i], pictures[i].controlTop - 11) << i;
    }
}

TEST(PictureRowShifts, ARowTooLowMovesUpAndNoPicturesGiveNoShifts) {
    const std::vector<PictureOverControl> pictures = {{40, 50}, {120, 110}};
    EXPECT_EQ(PictureRowShifts(pictures), (std::vector<int>{0, -20}));
    EXPECT_TRUE(PictureRowShifts({}).empty());
}

} // namespace
} // namespace fenx
