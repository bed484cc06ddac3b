// "サイズの変更": type a width and a height and start a new random stage of
// that size; the edits follow every size change while the dialog is open.
#pragma once

#include "dialogs/template_dialog.h"
#include "events/game_events.h"
#include "stage/game.h"

namespace fenx {

inline constexpr int kIdWidthEdit = 1000;
inline constexpr int kIdHeightEdit = 1001;
inline constexpr int kIdWidthArrows = 1005;
inline constexpr int kIdHeightArrows = 1006;

const DialogTemplate& AppResize();

class SizeDialog : public TemplateDialog {
    Q_OBJECT
  public:
    SizeDialog(Game& game, GameEvents& events, QWidget* owner);

  protected:
    void Command(int id) override;

  private:
    void Show(int width, int height);

    Game& game_;
    NumberEdit& width_;
    NumberEdit& height_;
};

} // namespace fenx
