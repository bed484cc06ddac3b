// The font every dialog is set in, and the dialog units it gives.
#pragma once

#include <QFont>

#include "dialog_rules/dialog_units.h"

namespace fenx {

// IPAPGothic at 9 points, a proportional Japanese gothic face.
QFont DialogFont();
// Measured from the font: the 52 Latin letters and the line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

} // namespace fenx
