// The shell's texts in the language the game speaks. Its Japanese texts are
// the program's own and need nothing; for English, Qt's translator with the
// English texts compiled into the program serves tr() and
// QCoreApplication::translate while this object lives.
#pragma once

#include <QTranslator>

#include "core/language.h"

namespace fenx {

class InterfaceTranslation {
  public:
    explicit InterfaceTranslation(Language language);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

  private:
    QTranslator translator_;
    bool installed_ = false; // and so to be removed at the end
};

} // namespace fenx
