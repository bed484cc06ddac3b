#include "dialogs/dialog_font.h"

#include <QFontMetrics>
#include <QString>

namespace fenx {

QFont DialogFont() {
    QFont font(QStringLiteral("IPAPGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont ColumnFont() {
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::Monospace);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString letters = QString::fromLatin1(kBaseUnitLetters.data(),
                                                static_cast<qsizetype>(kBaseUnitLetters.size()));
    return BaseUnitsOf(metrics.horizontalAdvance(letters), metrics.height());
}

} // namespace fenx
