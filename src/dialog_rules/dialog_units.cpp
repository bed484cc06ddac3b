#include "dialog_rules/dialog_units.h"

namespace fenx {
namespace {

// value * numerator / denominator, rounded to the nearest integer with
// halves away from zero; the denominator is positive.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded =
        product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    return static_cast<int>(rounded);
}

} // namespace

DialogBaseUnits BaseUnitsOf(int lettersWidth, int fontHeight) {
    return {(lettersWidth / 26 + 1) / 2, fontHeight};
}

int HorizontalPixels(int units, DialogBaseUnits base) {
    return ScaleRounded(units, base.x, 4);
}

int VerticalPixels(int units, DialogBaseUnits base) {
    return ScaleRounded(units, base.y, 8);
}

DialogRect ToPixels(DialogRect units, DialogBaseUnits base) {
    return {HorizontalPixels(units.x, base), VerticalPixels(units.y, base),
            HorizontalPixels(units.width, base), VerticalPixels(units.height, base)};
}

} // namespace fenx
