// "FENXのバージョン": the program's name, icon and version, shown modally.
#pragma once

#include "dialogs/template_dialog.h"

namespace fenx {

const DialogTemplate& AppAbout();

class AboutBox : public TemplateDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* owner);
};

} // namespace fenx
