// Two texts of a shell, of which the translation file below finishes only
// the first: compiling it must stop and name the second.
#include <QtGlobal>

const char* const kTranslated = QT_TRANSLATE_NOOP("Dialogs", "訳のある文");
const char* const kForgotten = QT_TRANSLATE_NOOP("Dialogs", "訳のない文");
