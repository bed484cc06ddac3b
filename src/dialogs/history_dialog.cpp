#include "dialogs/history_dialog.h"

#include <array>
#include <optional>

#include "dialogs/dialog_list.h"
#include "dialogs/history_list_model.h"
#include "selection/history_list.h"

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 4> kControls = {{
    // Blanks set the column titles over the fields of the lines below.
    {Static, kNoControlId, "        日付     時刻 サイズ  面", {7, 7, 91, 8}},
    {List, kIdList, "", {7, 17, 113, 135}},
    StartButton(7, 162),
    CloseButton(70, 162),
}};

// A file that is missing, unreadable or not a regular file gives no lines.
std::vector<HistoryEntry> LoadHistory(const HistoryFile& history) {
    const std::optional<std::string> text = history.Read();
    return text ? ParseHistory(*text) : std::vector<HistoryEntry>{};
}

} // namespace

const DialogTemplate& AppHistory() {
    static const DialogTemplate layout{"履歴", 127, 183, kControls};
    return layout;
}

HistoryDialog::HistoryDialog(Game& game, const HistoryFile& history, QWidget* owner)
    : TemplateDialog(AppHistory(), owner), game_(game), list_(*List(kIdList)),
      model_(new HistoryListModel(LoadHistory(history), this)) {
    list_.SetWidestLine(model_->WidestLine());
    list_.setModel(model_);
    connect(&list_, &DialogList::lineDoubleClicked, this, &HistoryDialog::Start);
    OnButton(kIdStart, [this] { Start(list_.SelectedRow()); });
}

void HistoryDialog::Start(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    // Ends a challenge; a stage of another size changes (and keeps) the
    // size first.
    const HistoryEntry& entry = model_->Entry(row);
    game_.StartStageOfSize(entry.line.width, entry.line.height, entry.line.stageNumber);
}

} // namespace fenx
