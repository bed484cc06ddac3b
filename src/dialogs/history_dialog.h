// "履歴": every stage of the history file, oldest first, marked solved, not
// solved, or solved in another line; Start (or a double click) plays the
// chosen one again at its own size and leaves the dialog open. The file is
// read once when the dialog opens; the lines that stages started from it
// add show the next time.
#pragma once

#include "dialogs/template_dialog.h"
#include "settings/history_file.h"
#include "stage/game.h"

namespace fenx {

class DialogList;
class HistoryListModel;

const DialogTemplate& AppHistory();

class HistoryDialog : public TemplateDialog {
    Q_OBJECT
  public:
    HistoryDialog(Game& game, const HistoryFile& history, QWidget* owner);

    DialogList& list() { return list_; }

  private:
    void Start(int row);

    Game& game_;
    DialogList& list_;
    HistoryListModel* model_;
};

} // namespace fenx
