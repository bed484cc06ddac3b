// Dialog units: the dialogs are laid out in units of the dialog font, so
// they grow with it. A horizontal unit is a quarter of the font's average
// Latin letter width, a vertical unit an eighth of its height.
//
// The average letter width is taken from the width of the 52 letters A-Z,
// a-z set in a row, halved twice with rounding: (width / 26 + 1) / 2. The
// whole alphabet evens out narrow and wide letters, and the rounding keeps
// the unit a whole number of pixels, so every control edge lands on a
// pixel and the same font always gives the same layout. The height is the
// font's full line height (ascent plus descent). Conversions round to the
// nearest pixel, halves away from zero.
#pragma once

#include <string_view>

namespace fenx {

inline constexpr std::string_view kBaseUnitLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    bool operator==(const DialogBaseUnits&) const = default;
};

// A rectangle, in dialog units or in pixels.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const DialogRect&) const = default;
};

// From the pixel width of kBaseUnitLetters and the font height in pixels.
DialogBaseUnits BaseUnitsOf(int lettersWidth, int fontHeight);

int HorizontalPixels(int units, DialogBaseUnits base);
int VerticalPixels(int units, DialogBaseUnits base);
DialogRect ToPixels(DialogRect units, DialogBaseUnits base);

} // namespace fenx
