#include "app/interface_translation.h"

#include <QCoreApplication>
#include <QString>

namespace fenx {

InterfaceTranslation::InterfaceTranslation(Language language) {
    if (language == Language::English &&
        translator_.load(QStringLiteral(":/translations/fenx_en.qm"))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

InterfaceTranslation::~InterfaceTranslation() {
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
    }
}

} // namespace fenx
