// "サイズの変更": type a width and a height and start a new random stage of
// that size; the edits follow every size change while the dialog is open.
#pragma once

#include "dialogs/template_dialog.h"
#include "events/game_events.h"
#include "stage/game.h"

namespace fenx {

enum SizeControlId : int {
    kIdWidthEdit = 1000,
    kIdHeightEdit = 1001,
    kIdWidthArrows = 1005,
    kIdHeightArrows = 1006
};

const DialogTemplate& AppResize();

class SizeDialog : public TemplateDialog {
    Q_OBJECT
  public:
    SizeDialog(Game& game, GameEvents& events, QWidget* owner);

  private:
    void Show(int width, int height);
    void Start();

    Game& game_;
    NumberEdit& width_;
    NumberEdit& height_;
};

} // namespace fenx
