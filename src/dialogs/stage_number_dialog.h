// "面の指定": type or click together a stage number 0..65535 and start it
// at the current size. While it is open, the edit also shows the number of
// every ordinary stage that starts, however it was started; a challenge
// stage's number is never shown.
#pragma once

#include "dialogs/template_dialog.h"
#include "events/game_events.h"
#include "stage/game.h"

namespace fenx {

// The edit, the keypad's digit buttons (digit d is kIdDigit0 + d) and the
// buttons that change the number.
enum StageNumberControlId : int {
    kIdStageNumberEdit = 1001,
    kIdDigit0 = 1004,
    kIdClearNumber = 7,
    kIdPlusOne = 1032,
    kIdMinusOne = 1033
};

const DialogTemplate& AppSeed();

class StageNumberDialog : public TemplateDialog {
    Q_OBJECT
  public:
    StageNumberDialog(Game& game, GameEvents& events, QWidget* owner);

  private:
    void Show(uint32_t number);

    Game& game_;
    NumberEdit& edit_;
};

} // namespace fenx
