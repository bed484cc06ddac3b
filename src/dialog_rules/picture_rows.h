// Pictures that stand over rows of controls, one picture over each control
// (the search dialog's nineteen pieces over their combo boxes). The
// pictures are drawn on a grid of their own while the controls sit at
// dialog units, so with most fonts the rows of controls drift against the
// grid and a lower picture ends up closer to the control above it than to
// its own. Each row of pictures therefore moves down as a whole, keeping
// its places within the row, until the gap between its lowest picture and
// the top of its controls is the gap the top row has.
#pragma once

#include <span>
#include <vector>

namespace fenx {

struct PictureOverControl {
    int pictureBottom = 0; // one past the picture's lowest pixel row
    int controlTop = 0;    // the control's top pixel row
};

// How far each picture moves down, in pixels, in the order given. The
// pictures over controls with the same top make one row; the row with the
// highest controls keeps its place (moves by 0).
std::vector<int> PictureRowShifts(std::span<const PictureOverControl> pictures);

} // namespace fenx
