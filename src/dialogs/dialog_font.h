// The font every dialog is set in, and the dialog units it gives.
#pragma once

#include <QFont>

#include "core/language.h"
#include "dialog_rules/dialog_units.h"

namespace fenx {

// At 9 points: IPAPGothic, a proportional Japanese gothic face, for the
// Japanese dialogs; DejaVu Sans, the Latin face Debian installs with Qt,
// for the English ones.
QFont DialogFont(Language language = Language::Japanese);
// The lists whose lines stand in columns: IPAGothic at 9 points, the same
// face with fixed widths, whose digits and blanks are narrower, so that a
// line of five-digit numbers fits its list beside the scroll bar.
QFont ColumnFont();
// Measured from the font: the 52 Latin letters and the line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

} // namespace fenx
