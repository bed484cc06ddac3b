// The font every dialog is set in, and the dialog units it gives.
#pragma once

#include <QFont>

#include "dialog_rules/dialog_units.h"

namespace fenx {

// IPAPGothic at 9 points, a proportional Japanese gothic face.
QFont DialogFont();
// The lists whose lines stand in columns: IPAGothic at 9 points, the same
// face with fixed widths, whose digits and blanks are narrower, so that a
// line of five-digit numbers fits its list beside the scroll bar.
QFont ColumnFont();
// Measured from the font: the 52 Latin letters and the line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

} // namespace fenx
