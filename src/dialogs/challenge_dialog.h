// "チャレンジ面選択　": the built-in challenge stages, each with its mark,
// its number of blocks and its name; Start (or a double click) plays the
// chosen one and leaves the dialog open. A challenge solved while the
// dialog is open gets its solved mark where it stands.
#pragma once

#include "dialogs/template_dialog.h"
#include "events/game_events.h"
#include "stage/game.h"

namespace fenx {

class ChallengeListModel;
class DialogList;

const DialogTemplate& AppChallenge();

class ChallengeDialog : public TemplateDialog {
    Q_OBJECT
  public:
    ChallengeDialog(Game& game, GameEvents& events, QWidget* owner);

    DialogList& list() { return list_; }

  private:
    void Start(int row);

    Game& game_;
    DialogList& list_;
    ChallengeListModel* model_;
};

} // namespace fenx
